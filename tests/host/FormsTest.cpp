#include <gtest/gtest.h>

#include "fakes/FakeForms.h"
#include "ui/forms/Form.h"
#include "core/text/NumberText.h"
#include "ui/forms/ListView.h"
#include "ui/forms/ValueControls.h"

namespace quintel::forms {
namespace {

// Counts what the view would be told.
struct CountingObserver : ControlObserver {
    int changes = 0;
    void ControlChanged(Control&) override { ++changes; }
};

TEST(OptionButtons, SelectingRunsClickEvenWhenAlreadySelectedAndClearsTheOthers) {
    OptionGroup group;
    OptionButton a("a", {}, "A", group), b("b", {}, "B", group);
    int clicksA = 0, clicksB = 0;
    a.Click = [&] { ++clicksA; };
    b.Click = [&] { ++clicksB; };
    a.SetValue(true);
    a.SetValue(true);
    EXPECT_EQ(2, clicksA);
    b.SetValue(true);
    EXPECT_FALSE(a.Value());
    EXPECT_TRUE(b.Value());
    EXPECT_EQ(2, clicksA) << "the option that loses its selection hears nothing";
    b.SetValue(false);
    EXPECT_FALSE(b.Value());
    EXPECT_EQ(1, clicksB) << "clearing runs no handler";
}

TEST(OptionButtons, ADisabledOptionIgnoresTheUser) {
    OptionGroup group;
    OptionButton a("a", {}, "A", group);
    a.SetEnabled(false);
    a.UserClick();
    EXPECT_FALSE(a.Value());
}

TEST(CheckBoxes, ClickRunsOnlyWhenTheStateChanges) {
    CheckBox box("c", {}, "C");
    int clicks = 0;
    box.Click = [&] { ++clicks; };
    box.SetValue(CheckBox::Unchecked);
    EXPECT_EQ(0, clicks);
    box.SetValue(CheckBox::Checked);
    box.UserClick();
    EXPECT_EQ(CheckBox::Unchecked, box.Value());
    EXPECT_EQ(2, clicks);
}

TEST(ComboBoxes, SelectionChangesRunClickAndBadIndicesAreRefused) {
    ComboBox list("l", {});
    int clicks = 0;
    list.Click = [&] { ++clicks; };
    list.AddItem("one");
    list.AddItem("two");
    list.SetListIndex(1);
    list.SetListIndex(1);
    EXPECT_EQ(1, clicks);
    EXPECT_EQ("two", list.Text());
    list.SetListIndex(2);
    list.SetListIndex(-2);
    EXPECT_EQ(1, list.ListIndex());
    list.SetListIndex(-1);
    EXPECT_EQ("", list.Text());
    EXPECT_EQ(2, clicks);
    list.SetListIndex(0);
    list.Clear();
    EXPECT_EQ(-1, list.ListIndex());
    EXPECT_EQ(3, clicks) << "emptying the list is no selection by the user";
}

TEST(TextBoxes, ChangeRunsOnEveryDifferentTextAndKeyPressCanRefuse) {
    TextBox box("t", {});
    int changes = 0;
    box.Change = [&] { ++changes; };
    box.KeyPress = [](int& key) {
        if (key == 'x') key = 0;
        if (key == 'a') key = 'A';
    };
    box.SetText("1");
    box.SetText("1");
    box.UserText("12");
    EXPECT_EQ(2, changes);
    EXPECT_EQ(0, box.UserKey('x'));
    EXPECT_EQ('A', box.UserKey('a'));
    EXPECT_EQ('5', box.UserKey('5'));
}

TEST(Controls, TheViewIsToldOfEveryChangeButNotOfSettingTheSameState) {
    CountingObserver view;
    Label label("l", {}, "x");
    label.SetObserver(&view);
    label.SetCaption("x");
    label.SetEnabled(true);
    label.Move(0, 0);
    EXPECT_EQ(0, view.changes);
    label.SetCaption("y");
    label.SetEnabled(false);
    label.SetVisible(false);
    label.Move(10, 20);
    EXPECT_EQ(4, view.changes);
}

TEST(ProgressBars, StayWithinTheirRangeAndTellTheViewOfRealChangesOnly) {
    CountingObserver view;
    ProgressBar bar("bar", Rect{}, 12);
    bar.SetObserver(&view);
    EXPECT_EQ(0, bar.Value());
    EXPECT_EQ(12, bar.Max());
    bar.SetValue(5);
    EXPECT_EQ(5, bar.Value());
    bar.SetValue(5);
    bar.SetValue(99);
    EXPECT_EQ(12, bar.Value());
    bar.SetValue(-3);
    EXPECT_EQ(0, bar.Value());
    EXPECT_EQ(3, view.changes);
    // A range of nothing would divide by zero in a view.
    EXPECT_EQ(1, ProgressBar("empty", Rect{}, 0).Max());
}

TEST(Toolbars, SeparatorsAndDisabledBarsDoNothing) {
    ToolbarButton separator;
    separator.Separator = true;
    Toolbar bar("t", {}, {ToolbarButton{"A", "A", "", 0, false}, separator});
    std::vector<std::string> keys;
    bar.ButtonClick = [&](const ToolbarButton& b) { keys.push_back(b.Key); };
    bar.UserClick(1);
    bar.UserClick(2);
    bar.UserClick(3);
    bar.UserClick(0);
    bar.SetEnabled(false);
    bar.UserClick(1);
    EXPECT_EQ(std::vector<std::string>{"A"}, keys);
}

TEST(StatusBars, ADoubleClickNamesItsPanelAndNoneOutsideTheBar) {
    StatusBar bar("s", {}, 4);
    std::vector<int> panels;
    bar.PanelDblClick = [&](int panel) { panels.push_back(panel); };
    for (int panel : {1, 4, 0, 5, -1}) bar.UserDblClick(panel);
    bar.SetEnabled(false);
    bar.UserDblClick(2);
    EXPECT_EQ((std::vector<int>{1, 4}), panels);
}

TEST(ListViews, EveryRowHasATextPerColumnAndTheViewHearsOfEachChange) {
    CountingObserver view;
    ListView list("l", {}, {{"Key", 100}, {"Value", 50}});
    list.SetObserver(&view);
    list.Clear();
    EXPECT_EQ(0, view.changes) << "nothing to clear";
    list.AddRow(ListRow{{"a"}, false});
    list.AddRow(ListRow{{"b", "2", "dropped"}, true});
    ASSERT_EQ(2, list.ListCount());
    EXPECT_EQ((std::vector<std::string>{"a", ""}), list.Rows()[0].Texts);
    EXPECT_EQ((std::vector<std::string>{"b", "2"}), list.Rows()[1].Texts);
    EXPECT_TRUE(list.Rows()[1].Grey);
    EXPECT_EQ("2", list.Text(1, 1));
    EXPECT_EQ("", list.Text(2, 0));
    EXPECT_EQ("", list.Text(0, 2));
    EXPECT_EQ("", list.Text(-1, 0));
    list.SetRows({ListRow{{"c", "3", "x"}, false}});
    EXPECT_EQ((std::vector<std::string>{"c", "3"}), list.Rows()[0].Texts);
    list.Clear();
    EXPECT_EQ(0, list.ListCount());
    EXPECT_EQ(4, view.changes);
}

TEST(ListViews, ChoosingARowRunsClickAndNewRowsStartWithNoneChosen) {
    ListView list("l", {}, {{"Key", 100}});
    int clicks = 0;
    list.Click = [&] { ++clicks; };
    list.SetRows({ListRow{{"a"}, false}, ListRow{{"b"}, false}});
    EXPECT_EQ(-1, list.ListIndex());
    list.UserSelect(1);
    list.SetListIndex(1);
    list.SetListIndex(2);   // past the list
    list.SetListIndex(-2);
    EXPECT_EQ(1, list.ListIndex());
    EXPECT_EQ(1, clicks);
    list.SetEnabled(false);
    list.UserSelect(0);
    EXPECT_EQ(1, list.ListIndex());
    list.SetRows({ListRow{{"c"}, false}});
    EXPECT_EQ(-1, list.ListIndex());
    EXPECT_EQ(1, clicks) << "refilling is no choice of the user's";
}

class Dialog : public Form {
public:
    using Form::Form;
    int loads = 0;
    bool refuseClose = false;
    void Form_Load() override { ++loads; }
    void Form_QueryUnload(bool& cancel) override { cancel = refuseClose; }
};

TEST(Forms, ShowLoadsOnceAndAModalShowReturnsWhenClosed) {
    test::FakeFormHost host;
    Dialog form(host, "dlg", "Dialog", 100, 100);
    form.Show();
    form.Hide();
    form.Show();
    EXPECT_EQ(1, form.loads);
    form.Hide();
    form.Show(true);
    EXPECT_FALSE(form.Loaded());
    EXPECT_EQ((std::vector<std::string>{"create dlg", "modal dlg", "destroy dlg"}), host.events);
    form.Show();
    EXPECT_EQ(2, form.loads) << "an unloaded form loads again";
}

TEST(Forms, QueryUnloadCanKeepTheFormOpen) {
    test::FakeFormHost host;
    Dialog form(host, "dlg", "Dialog", 100, 100);
    form.Show();
    form.refuseClose = true;
    EXPECT_FALSE(form.Close());
    EXPECT_TRUE(form.Loaded());
    form.refuseClose = false;
    EXPECT_TRUE(form.Close());
}

TEST(NumberText, ReadsTheLeadingNumberOnly) {
    EXPECT_EQ(0, LeadingNumber(""));
    EXPECT_EQ(0, LeadingNumber("abc"));
    EXPECT_EQ(12, LeadingNumber("12abc"));
    EXPECT_EQ(12.5, LeadingNumber(" 12.5x"));
    EXPECT_EQ(-3, LeadingNumber("-3"));
    EXPECT_EQ(0, LeadingNumber("-"));
    EXPECT_EQ(0, LeadingNumber("."));
}

TEST(NumberText, RoundsHalvesToEvenAndHoldsTheRange) {
    EXPECT_EQ(12, RoundToInt32(12.5));
    EXPECT_EQ(14, RoundToInt32(13.5));
    EXPECT_EQ(-2, RoundToInt32(-2.5));
    EXPECT_EQ(2147483647, RoundToInt32(1e300));
    EXPECT_EQ(-2147483647 - 1, RoundToInt32(-1e300));
}

}  // namespace
}  // namespace quintel::forms
