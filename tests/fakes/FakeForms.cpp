#include "fakes/FakeForms.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace quintel::test {

void FakeFormHost::Create(forms::Form& form) {
    events.push_back("create " + form.Name());
    windows_[&form] = nextWindow_;
    nextWindow_ += 0x10;
}

void FakeFormHost::Destroy(forms::Form& form) {
    events.push_back("destroy " + form.Name());
    windows_.erase(&form);
}

std::uintptr_t FakeFormHost::Handle(const forms::Form& form) {
    const auto it = windows_.find(&form);
    return it == windows_.end() ? 0 : it->second;
}

std::uintptr_t FakeFormHost::ListImageIcon(const std::string& list, int index) {
    iconLists.push_back(list);
    return 0x1000 + static_cast<std::uintptr_t>(index);
}

namespace {
forms::MenuItem* FindCaption(forms::MenuItem& menu, const std::string& caption) {
    for (forms::MenuItem* item : menu.Children()) {
        if (item->Caption() == caption) return item;
        if (forms::MenuItem* inner = FindCaption(*item, caption)) return inner;
    }
    return nullptr;
}
}  // namespace

void ChooseFromPopup(forms::MenuItem& menu, const std::string& caption) {
    forms::MenuItem* item = FindCaption(menu, caption);
    ASSERT_NE(nullptr, item) << "no item \"" << caption << "\" in " << menu.Name();
    item->UserClick();
}

int FakeFormHost::Count(const std::string& event) const {
    return static_cast<int>(std::count(events.begin(), events.end(), event));
}

}  // namespace quintel::test
