#include "win32/view/ReportView.h"

namespace quintel::win32 {

ControlView::Kind ReportView::WindowKind() const {
    return {WC_LISTVIEWA, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
            WS_EX_CLIENTEDGE};
}

void ReportView::Created() {
    // A whole row is one thing to the user; a cut text shows whole in a
    // tip. Versions that know neither ignore them.
    SendMessageA(Window(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP,
                 LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP);
    int index = 0;
    for (const forms::ListColumn& model : list_.Columns()) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
        column.fmt = LVCFMT_LEFT;
        column.cx = Pixels(model.Width);
        // The control copies the text.
        column.pszText = const_cast<char*>(model.Heading.c_str());
        column.iSubItem = index;
        SendMessageA(Window(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&column));
        ++index;
    }
}

void ReportView::Mirror() {
    MirrorRows();
    const int chosen = list_.ListIndex();
    if (SelectedRow() == chosen) return;
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = 0;
    SendMessageA(Window(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    if (chosen < 0) return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(Window(), LVM_SETITEMSTATE, static_cast<WPARAM>(chosen), reinterpret_cast<LPARAM>(&state));
    SendMessageA(Window(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(chosen), FALSE);
}

int ReportView::SelectedRow() const {
    return static_cast<int>(
        SendMessageA(Window(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
}

bool ReportView::UserNotify(const NMHDR& header) {
    if (header.code != LVN_ITEMCHANGED) return false;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if (!(change.uChanged & LVIF_STATE)) return false;
    if (((change.uOldState ^ change.uNewState) & LVIS_SELECTED) == 0) return false;
    // Moving to another row first takes the old one's selection away; the
    // new one's comes next.
    list_.UserSelect(SelectedRow());
    return true;
}

void ReportView::MirrorRows() {
    const std::vector<forms::ListRow>& rows = list_.Rows();
    if (listed_ == rows) return;
    // Redrawn once when all are in, not once per row.
    SendMessageA(Window(), WM_SETREDRAW, FALSE, 0);
    SendMessageA(Window(), LVM_DELETEALLITEMS, 0, 0);
    int index = 0;
    for (const forms::ListRow& row : rows) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.pszText = const_cast<char*>(row.Texts.empty() ? "" : row.Texts[0].c_str());
        const LRESULT at =
            SendMessageA(Window(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        for (std::size_t column = 1; at >= 0 && column < row.Texts.size(); ++column) {
            LVITEMA cell{};
            cell.iSubItem = static_cast<int>(column);
            cell.pszText = const_cast<char*>(row.Texts[column].c_str());
            SendMessageA(Window(), LVM_SETITEMTEXTA, static_cast<WPARAM>(at),
                         reinterpret_cast<LPARAM>(&cell));
        }
        ++index;
    }
    listed_ = rows;
    SendMessageA(Window(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Window(), nullptr, TRUE);
}

std::optional<LRESULT> ReportView::CustomDraw(NMHDR& header) {
    auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(header);
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    const std::size_t row = draw.nmcd.dwItemSpec;
    if (row >= listed_.size() || !listed_[row].Grey) return CDRF_DODEFAULT;
    draw.clrText = GetSysColor(COLOR_GRAYTEXT);
    return CDRF_NEWFONT;
}

}  // namespace quintel::win32
