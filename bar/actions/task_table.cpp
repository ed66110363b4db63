// Filling the task rows and their menu items from the system's top-level windows.
#include "bar/actions/task_table.h"
#include "common/shell_classes.h"
#include <strsafe.h>
#include <cstring>
#include <cwchar>

TaskRows TaskTable = {};

TaskAddDecision TaskAddDecisionFor(const TaskRows& table, const wchar_t* title, const wchar_t* className)
{
    const TaskAddDecision skip = {TaskAddAction::Skip, -1};
    if (table.count >= kTaskTableRows)
        return skip;
    const bool dialog = wcscmp(className, kDialogClassName) == 0;
    for (int i = 0; i < table.count; ++i) {
        const TaskEntry& row = table.rows[i];
        if (wcscmp(row.title, title) != 0)
            continue;
        // A dialog stands for the application it belongs to.
        if (dialog)
            return {TaskAddAction::ReplaceWindow, i};
        if (wcscmp(row.className, className) != 0 || wcscmp(className, L"BOOKWIN") == 0)
            return skip;
    }
    return {TaskAddAction::Add, table.count};
}

BOOL CALLBACK AddTaskWindow(HWND window, LPARAM lParam)
{
    wchar_t title[kTaskTextCapacity];
    wchar_t className[kTaskTextCapacity];
    BOOL shellFlag = FALSE;
    if (!QueryTaskWindow(window, title, className, nullptr, &shellFlag))
        return TaskTable.count < kTaskTableRows;
    const TaskAddDecision decision = TaskAddDecisionFor(TaskTable, title, className);
    if (decision.action == TaskAddAction::ReplaceWindow)
        TaskTable.rows[decision.row].window = window;
    if (decision.action != TaskAddAction::Add)
        return TaskTable.count < kTaskTableRows;

    const int row = TaskTable.count;
    InsertMenuW(reinterpret_cast<HMENU>(lParam), row, MF_BYPOSITION | MF_OWNERDRAW, kFirstTaskCommand + row, nullptr);
    TaskEntry& entry = TaskTable.rows[row];
    entry.shellOwned = shellFlag;
    entry.window = window;
    StringCchCopyW(entry.title, kTaskTextCapacity, title);
    StringCchCopyW(entry.className, kTaskTextCapacity, className);
    ++TaskTable.count;
    return TaskTable.count < kTaskTableRows;
}

void RebuildTaskTable(HMENU menu)
{
    std::memset(&TaskTable, 0, sizeof(TaskTable));
    EnumWindows(AddTaskWindow, reinterpret_cast<LPARAM>(menu));
}

int TaskRowOfCommand(UINT id)
{
    if (id < kFirstTaskCommand || id >= kFirstTaskCommand + static_cast<UINT>(TaskTable.count))
        return -1;
    return static_cast<int>(id - kFirstTaskCommand);
}
