// The Order page: which buttons the bar shows, in which order, and start with the system.
#pragma once
#include "setup/setup_page.h"
#include <vector>
#include "setup/order_rows.h"

class COrder : public CSetupPage {
public:
    explicit COrder(HINSTANCE module);
    bool StorePage() override;

protected:
    void OnInitPage() override;
    bool OnCommand(WORD id, WORD code) override;
    void OnRelayout() override;

private:
    HWND List() const;
    void FillList();
    void MoveMarkedRow(int delta);
    std::vector<OrderRow> ReadRows() const;
};
