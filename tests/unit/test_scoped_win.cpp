// Scoped guards: each undoes its pair at the end of its scope, in reverse order.
#include <gtest/gtest.h>
#include "platform/scoped_win.h"

TEST(ScopedWin, SelectionIsUndoneBeforeTheObjectIsDeleted)
{
    ScopedGetDC screen(nullptr);
    ScopedMemoryDC memory(screen.get());
    ASSERT_NE(memory.get(), nullptr);
    HGDIOBJ initial = GetCurrentObject(memory.get(), OBJ_BITMAP);
    HBITMAP kept = nullptr;
    {
        ScopedBitmap bitmap(CreateCompatibleBitmap(screen.get(), 4, 4));
        ScopedSelectObject selected(memory.get(), bitmap.get());
        ScopedTextColor color(memory.get(), RGB(1, 2, 3));
        ScopedBkMode mode(memory.get(), TRANSPARENT);
        kept = bitmap.get();
        EXPECT_TRUE(selected.ok());
        EXPECT_EQ(GetCurrentObject(memory.get(), OBJ_BITMAP), kept);
        EXPECT_EQ(GetTextColor(memory.get()), RGB(1, 2, 3));
    }
    EXPECT_EQ(GetCurrentObject(memory.get(), OBJ_BITMAP), initial);
    EXPECT_EQ(GetTextColor(memory.get()), RGB(0, 0, 0));
    EXPECT_EQ(GetBkMode(memory.get()), OPAQUE);
    EXPECT_EQ(GetObjectType(kept), 0u);   // deleted, since nothing held it any more
}

TEST(ScopedWin, NullHandlesReleaseNothingAndHandlesClose)
{
    ScopedSelectObject none(nullptr, GetStockObject(BLACK_PEN));
    EXPECT_FALSE(none.ok());
    EXPECT_FALSE(ScopedHandle(INVALID_HANDLE_VALUE).valid());
    EXPECT_FALSE(ScopedHandle(nullptr).valid());

    HANDLE event = nullptr;
    {
        ScopedHandle handle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        event = handle.get();
        DWORD flags = 0;
        EXPECT_TRUE(GetHandleInformation(event, &flags));
    }
    DWORD flags = 0;
    EXPECT_FALSE(GetHandleInformation(event, &flags));

    ScopedRegKey key;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, key.out()), ERROR_SUCCESS);
    EXPECT_NE(key.get(), nullptr);
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"No such key here", 0, KEY_READ, key.out()), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key.get(), nullptr);
}
