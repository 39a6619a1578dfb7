#include "win32/view/BarViews.h"
#include "win32/Handles.h"

#include <algorithm>
#include <vector>

namespace quintel::win32 {

namespace {

// Windows' own name for "no image" came with comctl32 5.81; the value is
// older.
constexpr int NoImage = -2;

int ImageIndex(int modelImage) { return modelImage > 0 ? modelImage - 1 : NoImage; }

int TextWidth(HWND window, HFONT font, const std::string& text) {
    const WindowDC dc(window);
    HGDIOBJ old = SelectObject(dc.Get(), font);
    SIZE size{};
    GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc.Get(), old);
    return size.cx;
}

std::string PartText(HWND status, int part) {
    const LRESULT info = SendMessageA(status, SB_GETTEXTLENGTHA, static_cast<WPARAM>(part), 0);
    std::string text(static_cast<std::size_t>(LOWORD(info)) + 1, '\0');
    SendMessageA(status, SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(LOWORD(info)));
    return text;
}

}  // namespace

ControlView::Kind StatusView::WindowKind() const {
    return {STATUSCLASSNAMEA, sizeGrip_ ? DWORD(SBARS_SIZEGRIP) : DWORD(0)};
}

void StatusView::Mirror() {
    SetParts();
    for (int panel = 1; panel <= status_.PanelCount(); ++panel) {
        if (PartText(Window(), panel - 1) != status_.PanelText(panel))
            SendMessageA(Window(), SB_SETTEXTA, static_cast<WPARAM>(panel - 1),
                         reinterpret_cast<LPARAM>(status_.PanelText(panel).c_str()));
    }
}

// Each panel is as wide as its text, at least an inch as VB's panels are;
// the last one takes what is left.
void StatusView::SetParts() {
    std::vector<int> rights;
    int right = 0;
    for (int panel = 1; panel <= status_.PanelCount(); ++panel) {
        if (panel == status_.PanelCount()) {
            rights.push_back(-1);
            break;
        }
        const int text = TextWidth(Window(), Context().Font, status_.PanelText(panel));
        right += std::max(Pixels(1440), text + Pixels(240));
        rights.push_back(right);
    }
    if (rights.empty()) rights.push_back(-1);
    SendMessageA(Window(), SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
}

void StatusView::ParentResized() { SendMessageA(Window(), WM_SIZE, 0, 0); }

bool StatusView::UserNotify(const NMHDR& header) {
    if (header.code != static_cast<UINT>(NM_DBLCLK)) return false;
    // The bar names the part under the pointer, from 0; a click past the
    // last part names none of them.
    const auto& mouse = reinterpret_cast<const NMMOUSE&>(header);
    const DWORD_PTR part = mouse.dwItemSpec;
    if (part >= static_cast<DWORD_PTR>(status_.PanelCount())) return false;
    status_.UserDblClick(static_cast<int>(part) + 1);
    return true;
}

ControlView::Kind ToolbarView::WindowKind() const {
    const DWORD flat = Context().Controls.Since470 ? TBSTYLE_FLAT : 0;
    return {TOOLBARCLASSNAMEA, flat | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER};
}

void ToolbarView::Created() {
    SendMessageA(Window(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    // Thirteen labelled buttons share the window's width: each takes the
    // width of its own label, with a little less padding than the default.
    SendMessageA(Window(), TB_SETPADDING, 0, MAKELPARAM(5, 6));
    std::vector<TBBUTTON> buttons;
    int id = 0;
    for (const forms::ToolbarButton& model : toolbar_.Buttons()) {
        ++id;
        TBBUTTON button{};
        button.idCommand = id;
        button.fsState = TBSTATE_ENABLED;
        if (model.Separator) {
            button.fsStyle = TBSTYLE_SEP;
        } else {
            button.iBitmap = ImageIndex(model.Image);
            button.fsStyle = TBSTYLE_BUTTON | TBSTYLE_AUTOSIZE;
            // The control copies the text; common controls 4.00 take it
            // only as the number of a string added to the toolbar's own.
            if (Context().Controls.Since470) {
                button.iString = reinterpret_cast<INT_PTR>(model.Caption.c_str());
            } else {
                const std::string strings = model.Caption + '\0';  // a list, ended by an empty string
                button.iString =
                    SendMessageA(Window(), TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(strings.c_str()));
            }
        }
        buttons.push_back(button);
    }
    SendMessageA(Window(), TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
}

bool ToolbarView::Owns(HWND window) const {
    if (ControlView::Owns(window)) return true;
    return window && window == reinterpret_cast<HWND>(SendMessageA(Window(), TB_GETTOOLTIPS, 0, 0));
}

void ToolbarView::Mirror() {
    if (imageList_ != toolbar_.ImageList()) {
        imageList_ = toolbar_.ImageList();
        if (Context().Controls.Since470) {
            SendMessageA(Window(), TB_SETIMAGELIST, 0,
                         reinterpret_cast<LPARAM>(Context().Images.List(imageList_)));
        } else if (const ImageStrip strip = Context().Images.Strip(imageList_); strip.Bitmap) {
            // The images go after those already there; their size first,
            // by which the control counts them.
            SendMessageA(Window(), TB_SETBITMAPSIZE, 0, MAKELPARAM(strip.Width, strip.Height));
            TBADDBITMAP bitmap{nullptr, reinterpret_cast<UINT_PTR>(strip.Bitmap)};
            firstImage_ = static_cast<int>(SendMessageA(Window(), TB_ADDBITMAP, static_cast<WPARAM>(strip.Count),
                                                        reinterpret_cast<LPARAM>(&bitmap)));
        }
        InvalidateRect(Window(), nullptr, TRUE);
    }
    int id = 0;
    for (const forms::ToolbarButton& model : toolbar_.Buttons()) {
        ++id;
        if (model.Separator) continue;
        const int image = model.Image > 0 ? firstImage_ + ImageIndex(model.Image) : NoImage;
        if (SendMessageA(Window(), TB_GETBITMAP, static_cast<WPARAM>(id), 0) != image)
            SendMessageA(Window(), TB_CHANGEBITMAP, static_cast<WPARAM>(id), MAKELPARAM(image, 0));
    }
}

bool ToolbarView::UserCommand(UINT code, int id) {
    if (code != BN_CLICKED) return false;
    toolbar_.UserClick(id);
    return true;
}

void ToolbarView::TooltipText(NMHDR& header) {
    static const std::string none;
    const auto& buttons = toolbar_.Buttons();
    const std::size_t index = header.idFrom - 1;
    const std::string& tip = index < buttons.size() ? buttons[index].ToolTip : none;
    if (header.code == TTN_GETDISPINFOA) {
        auto& info = reinterpret_cast<NMTTDISPINFOA&>(header);
        info.hinst = nullptr;
        info.lpszText = const_cast<char*>(tip.c_str());
    } else if (header.code == TTN_GETDISPINFOW) {
        // Version 6 asks in UTF-16 whatever the parent prefers.
        const int length = MultiByteToWideChar(CP_ACP, 0, tip.c_str(), -1, nullptr, 0);
        wideTip_.assign(static_cast<std::size_t>(std::max(length, 1)), L'\0');
        MultiByteToWideChar(CP_ACP, 0, tip.c_str(), -1, wideTip_.data(), length);
        auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
        info.hinst = nullptr;
        info.lpszText = wideTip_.data();
    }
}

}  // namespace quintel::win32
