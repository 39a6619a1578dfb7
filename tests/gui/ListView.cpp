// List views (SysListView32) in report style.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "Internals.h"
#include "RemoteMemory.h"

namespace quintel::gui {

using namespace detail;

namespace {

constexpr size_t TextChars = 512;

int ColumnCount(HWND list, const Where& where) {
    const auto header = Query(list, LVM_GETHEADER, 0, 0, where);
    if (!header || !*header) return 0;
    const auto count = Query(reinterpret_cast<HWND>(*header), HDM_GETITEMCOUNT, 0, 0, where);
    return count ? static_cast<int>(*count) : 0;
}

}  // namespace

std::vector<std::wstring> ListViewHeadings(HWND list, Where where) {
    std::vector<std::wstring> headings;
    const int columns = ColumnCount(list, where);
    // LVM_GETCOLUMNW is not carried across processes: the column and its
    // text buffer go into the list's process.
    RemoteMemory memory(list, sizeof(LVCOLUMNW) + TextChars * sizeof(wchar_t), where);
    if (!memory) return headings;
    for (int i = 0; i < columns; ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT;
        column.pszText = reinterpret_cast<LPWSTR>(memory.At(sizeof column));
        column.cchTextMax = TextChars;
        if (!memory.Write(0, &column, sizeof column)) break;
        const auto got = Query(list, LVM_GETCOLUMNW, static_cast<WPARAM>(i), memory.At(), where);
        if (!got || !*got) {
            Fail(where, Describe(list) + " did not give the heading of column " + std::to_string(i));
            break;
        }
        headings.push_back(memory.ReadString(sizeof column, TextChars));
    }
    return headings;
}

std::vector<std::vector<std::wstring>> ListViewRows(HWND list, Where where) {
    std::vector<std::vector<std::wstring>> rows;
    const auto count = Query(list, LVM_GETITEMCOUNT, 0, 0, where);
    const int columns = ColumnCount(list, where);
    if (!count) return rows;
    RemoteMemory memory(list, sizeof(LVITEMW) + TextChars * sizeof(wchar_t), where);
    if (!memory) return rows;
    for (LRESULT i = 0; i < *count; ++i) {
        std::vector<std::wstring> row;
        for (int c = 0; c < columns; ++c) {
            LVITEMW item = {};
            item.iSubItem = c;
            item.pszText = reinterpret_cast<LPWSTR>(memory.At(sizeof item));
            item.cchTextMax = TextChars;
            if (!memory.Write(0, &item, sizeof item)) return rows;
            // The answer is the text's length, 0 for an empty cell.
            if (!Query(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(i), memory.At(), where)) return rows;
            row.push_back(memory.ReadString(sizeof item, TextChars));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace quintel::gui
