// The running applications listed in the bar menu, rebuilt at every opening.
#pragma once
#include <windows.h>
#include "bar/actions/task_window.h"
#include "resources/velkis_res.h"

constexpr int kTaskTableRows = 25;
constexpr UINT kFirstTaskCommand = ID_FIRST_TASK;   // the command of row i is kFirstTaskCommand + i

struct TaskEntry {
    BOOL shellOwned;
    HWND window;
    wchar_t title[kTaskTextCapacity];
    wchar_t className[kTaskTextCapacity];
};

struct TaskRows {
    TaskEntry rows[kTaskTableRows];
    int count;
};

// Valid from one build of the menu to the next: commands arrive after it closed.
// Written by RebuildTaskTable only (through its step AddTaskWindow).
extern TaskRows TaskTable;

// Lists the running applications anew, appending one owner-drawn item per row to menu.
void RebuildTaskTable(HMENU menu);

// RebuildTaskTable's step for one window (lParam: the menu); false once the table is full.
BOOL CALLBACK AddTaskWindow(HWND window, LPARAM lParam);

// What one more window does to the table: nothing, take a row's place, or add a row.
enum class TaskAddAction { Skip, ReplaceWindow, Add };
struct TaskAddDecision {
    TaskAddAction action;
    int row;   // the row whose window a dialog takes
};

// The dialog and same-title rules over the rows listed so far.
TaskAddDecision TaskAddDecisionFor(const TaskRows& table, const wchar_t* title, const wchar_t* className);

// The task row of a menu command, or -1.
int TaskRowOfCommand(UINT id);
