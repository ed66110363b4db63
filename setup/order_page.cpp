// The Order page's check-box list, its moves and what it stores.
#include "setup/order_page.h"
#include "setup/startup_shortcut.h"
#include "common/cellular_line.h"
#include "resources/tormalin_res.h"
#include <commctrl.h>
#include <strsafe.h>

namespace {

constexpr int kRowTextCapacity = 32;

} // namespace

COrder::COrder(HINSTANCE module) : CSetupPage(module, {IDD_ORDER, IDD_ORDER_LAND, IDD_ORDER_SQUARE}, L"Set Order")
{
}

HWND COrder::List() const
{
    return GetDlgItem(window_, IDC_LIST);
}

void COrder::OnInitPage()
{
    HWND list = List();
    // The list's own width; the client's, so that no horizontal scroll bar appears.
    RECT size;
    GetClientRect(list, &size);
    wchar_t header[20] = L"Order";
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH;
    column.fmt = LVCFMT_LEFT;
    column.cx = size.right - size.left;
    column.pszText = header;
    ListView_InsertColumn(list, 0, &column);
    FillList();
    CheckDlgButton(window_, IDC_START_WITH_SYSTEM, StartUpShortcutExists() ? BST_CHECKED : BST_UNCHECKED);
}

// Rows from the loaded Order; check marks from Display.
void COrder::FillList()
{
    HWND list = List();
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_ONECLICKACTIVATE);
    ListView_DeleteAllItems(list);
    const std::vector<const OrderToken*> rows = OrderRowsFromText(settings_->order);
    const size_t marks = wcslen(settings_->display);
    for (size_t i = 0; i < rows.size(); ++i) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<wchar_t*>(rows[i]->rowText);
        const int row = ListView_InsertItem(list, &item);
        ListView_SetCheckState(list, row, i < marks && settings_->display[i] == L'1');
    }
}

// The device's list has no horizontal scroll bar; here the column follows the list.
void COrder::OnRelayout()
{
    ListView_SetColumnWidth(List(), 0, LVSCW_AUTOSIZE_USEHEADER);
}

bool COrder::OnCommand(WORD id, WORD code)
{
    if (code != BN_CLICKED || (id != IDC_MOVE_UP && id != IDC_MOVE_DOWN))
        return false;
    MoveMarkedRow(id == IDC_MOVE_UP ? -1 : 1);
    return true;
}

// The marked row swaps text and check mark with its neighbour and stays marked.
void COrder::MoveMarkedRow(int delta)
{
    HWND list = List();
    const int mark = ListView_GetSelectionMark(list);
    const int target = MoveTarget(mark, delta, ListView_GetItemCount(list));
    if (target < 0)
        return;
    wchar_t markText[kRowTextCapacity], targetText[kRowTextCapacity];
    ListView_GetItemText(list, mark, 0, markText, kRowTextCapacity);
    ListView_GetItemText(list, target, 0, targetText, kRowTextCapacity);
    const BOOL markChecked = ListView_GetCheckState(list, mark);
    const BOOL targetChecked = ListView_GetCheckState(list, target);
    ListView_SetItemText(list, mark, 0, targetText);
    ListView_SetItemText(list, target, 0, markText);
    ListView_SetCheckState(list, mark, targetChecked);
    ListView_SetCheckState(list, target, markChecked);

    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(list, target, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetSelectionMark(list, target);
}

std::vector<OrderRow> COrder::ReadRows() const
{
    HWND list = List();
    std::vector<OrderRow> rows;
    const int count = ListView_GetItemCount(list);
    for (int i = 0; i < count; ++i) {
        wchar_t text[kRowTextCapacity] = L"";
        ListView_GetItemText(list, i, 0, text, kRowTextCapacity);
        rows.push_back(OrderRow{text, ListView_GetCheckState(list, i) != FALSE});
    }
    return rows;
}

bool COrder::StorePage()
{
    const StoredOrder stored = StoreOrderRows(ReadRows(), StoredRowCount(DetectCellularLine()));
    StringCchCopyW(settings_->order, kOrderCapacity, stored.order.c_str());
    StringCchCopyW(settings_->display, kDisplayCapacity, stored.display.c_str());
    settings_->startWithSystem = IsDlgButtonChecked(window_, IDC_START_WITH_SYSTEM) == BST_CHECKED;
    return true;
}
