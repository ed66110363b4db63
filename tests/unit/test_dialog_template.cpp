// The bounded template walk over the setup program's own dialog resources.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>
#include "setup/dialog_template.h"

namespace {

// Tormalin.exe's resources, loaded as data.
class SetupResources {
public:
    SetupResources()
    {
        const char* build = std::getenv("VELKIS_BUILD_DIR");
        std::string path = std::string(build ? build : ".") + "/install/Tormalin.exe";
        module_ = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    }
    ~SetupResources() { if (module_) FreeLibrary(module_); }
    std::vector<unsigned char> Template(int id) const
    {
        HRSRC found = module_ ? FindResourceW(module_, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5)) : nullptr;
        HGLOBAL loaded = found ? LoadResource(module_, found) : nullptr;
        auto* bytes = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
        return bytes ? std::vector<unsigned char>(bytes, bytes + SizeofResource(module_, found))
                     : std::vector<unsigned char>();
    }
private:
    HMODULE module_ = nullptr;
};

} // namespace

TEST(DialogTemplate, ReadsEveryControlOfTheOrderPage)
{
    SetupResources resources;
    const std::vector<unsigned char> image = resources.Template(134);
    ASSERT_FALSE(image.empty());
    std::vector<TemplateControl> controls;
    ASSERT_TRUE(ReadDialogTemplate(image.data(), image.size(), &controls));
    ASSERT_EQ(controls.size(), 5u);
    EXPECT_EQ(controls[0].id, kNoControlId);
    EXPECT_EQ(controls[0].kind, ControlKind::Static);
    EXPECT_EQ(controls[0].text, L"Change the order or display of button:");
    const TemplateControl& list = controls[1];
    EXPECT_EQ(list.id, 1002u);
    EXPECT_EQ(list.kind, ControlKind::Other);
    EXPECT_EQ((std::vector<int>{list.x, list.y, list.cx, list.cy}), (std::vector<int>{5, 31, 151, 56}));
    EXPECT_EQ(controls[3].id, 1050u);
    EXPECT_EQ(controls[3].kind, ControlKind::Button);
    EXPECT_EQ(controls[3].text, L"Move Down");
    EXPECT_EQ(controls[4].id, 1041u);
    EXPECT_EQ((std::vector<int>{controls[4].x, controls[4].y, controls[4].cx, controls[4].cy}),
              (std::vector<int>{5, 90, 207, 11}));
}

TEST(DialogTemplate, EveryCutTemplateFailsAndReadsNothing)
{
    SetupResources resources;
    for (int id : {129, 140, 166}) {
        const std::vector<unsigned char> image = resources.Template(id);
        ASSERT_FALSE(image.empty()) << id;
        std::vector<TemplateControl> controls;
        size_t used = 0;
        ASSERT_TRUE(ReadDialogTemplate(image.data(), image.size(), &controls, &used)) << id;
        ASSERT_LE(used, image.size());
        for (size_t cut = 0; cut < used; ++cut) {
            // A copy of exactly the cut length, so reading past it would be seen by tools too.
            std::vector<unsigned char> part(image.begin(), image.begin() + cut);
            EXPECT_FALSE(ReadDialogTemplate(part.data(), part.size(), &controls)) << id << " cut at " << cut;
            EXPECT_TRUE(controls.empty());
        }
    }
}

TEST(DialogTemplate, TwoControlsWithoutIdCannotBeToldApart)
{
    SetupResources resources;
    const std::vector<unsigned char> timer = resources.Template(157);   // five id-less labels
    ASSERT_FALSE(timer.empty());
    std::vector<TemplateControl> controls;
    EXPECT_FALSE(ReadDialogTemplate(timer.data(), timer.size(), &controls));
    EXPECT_TRUE(controls.empty());
}
