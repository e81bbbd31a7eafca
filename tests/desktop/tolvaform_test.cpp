// The main window's behaviour: start-up and unload, the key filter, the search request, the help
// command, the version box and the focus given back on activation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desktop/helpfrm.h"
#include "desktop/tolvaform.h"
#include "tests/desktop/recording_front_end.h"
#include "tests/support/temp_dir.h"
#include "tests/support/window_sample_data.h"
#include "version.h"

namespace milden {
namespace {

using test_support::CurrentDirectory;
using test_support::RecordingFrontEnd;

std::string Focus(int control) { return "SetFocus " + std::to_string(control); }

struct Window {
    explicit Window(const char* dataFile = test_support::kWindowSampleData)
        : dir(dataFile ? CurrentDirectory(dataFile) : CurrentDirectory()) {}
    CurrentDirectory dir;
    RecordingFrontEnd f;
    Tolvaform form{f};
};

TEST(Tolvaform, LoadSelects090ShowsTheWindowThenPutsTheFocusInTheFirstBox) {
    for (const bool withFile : {true, false}) {
        SCOPED_TRACE(withFile ? "with sorvane.dat" : "without sorvane.dat: the window opens on empty tables");
        Window w(withFile ? test_support::kWindowSampleData : nullptr);
        w.form.Load();
        EXPECT_EQ(w.f.calls, (std::vector<std::string>{"Select 0", "Show", Focus(Tolvaform::phone_text090(0))}));
        EXPECT_EQ(w.form.tables().OperatorList090Loaded, withFile);
        EXPECT_TRUE(w.f.boxes.shown.empty());  // loading never shows anything
        EXPECT_EQ(w.form.ie(), nullptr);
    }
}

TEST(Tolvaform, UnloadReleasesTheLoadedListsAndKeepsThePrefixTables) {
    Window w;
    w.form.Load();
    w.form.Unload();
    EXPECT_TRUE(w.form.tables().OperatorList090.empty());
    EXPECT_TRUE(w.form.tables().OperatorListPhs.empty());
    EXPECT_TRUE(w.form.tables().ExceptionList090.empty());
    EXPECT_EQ(w.form.tables().PrefixTable090.Cell(1, 0, 0), u"21");
}

// A character typed into a digit box: whether the key goes on, and whether a search ran.
TEST(Tolvaform, KeyFilter) {
    struct Case {
        const char* name;
        int box;  // the box the key is typed into; the other boxes are empty
        std::u16string before;
        char16_t code;
        bool passes;
        bool searches;
    };
    const Case cases[] = {
        {"the fourth character goes in", 0, u"123", u'4', true, false},
        {"a fifth is cancelled", 0, u"1234", u'5', false, false},
        {"the filter ignores what a key is: a letter at three goes in", 0, u"123", u'x', true, false},
        {"a letter at four is cancelled", 0, u"1234", u'a', false, false},
        {"a space at four is cancelled", 0, u"1234", u' ', false, false},
        {"a full-width digit at four is cancelled", 0, u"1234", u'４', false, false},
        {"a box holding more than four (pasted) takes no key", 2, u"123456", u'7', false, false},
        {"the length is the receiving box's: the 080 box at four", 1, u"1234", u'5', false, false},
        {"Backspace at four passes", 0, u"1234", 8, true, false},
        {"the keyboard paste at four is cancelled", 0, u"1234", 22, false, false},
        {"the keyboard paste at three passes: a paste is never cut", 0, u"123", 22, true, false},
        {"copy at four passes", 0, u"1234", 3, true, false},
        {"cut at four passes", 0, u"1234", 24, true, false},
        {"undo at four passes", 0, u"1234", 26, true, false},
        {"DEL inserts nothing: it passes", 0, u"1234", 0x7F, true, false},
        {"Return at four searches and passes", 0, u"1234", 13, true, true},
        {"Return in an empty box searches too", 1, u"", 13, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Window w;
        w.form.Load();
        w.f.texts[Tolvaform::phone_text090(0)] = u"1000";  // what a search finds in the 090 box
        w.f.texts[Tolvaform::phone_text090(c.box)] = c.before;
        EXPECT_EQ(w.form.KeyPress(Tolvaform::phone_text090(c.box), c.code), c.passes);
        EXPECT_EQ(w.f.boxes.shown.size(), c.searches ? 1u : 0u);
    }
}

// The search request, by the button or by Return in any box: the text of the box of the selected
// range, trimmed of spaces, goes to the lookup, which shows its answer itself.
TEST(Tolvaform, SearchRequest) {
    struct Case {
        const char* name;
        int selected;  // range, -1 for none
        std::array<std::u16string, 3> texts;
        int returnIn;  // the box Return is typed into, -1 for a click on 検　索
        std::u16string prompt;  // empty: no box
    };
    const std::u16string header = u"-****の携帯電話のキャリアは\r";
    const Case cases[] = {
        {"090 box", 0, {u"1000", u"5123", u"0000"}, -1, u"090-1000" + header + u"丁ネットです。"},
        {"080 selected: Return in the 090 box searches the 080 box", 1, {u"1000", u"5123", u"0000"}, 0,
         u"080-5123" + header + u"080丁です。"},
        {"070 selected takes the PHS box", 2, {u"1000", u"5123", u"0000"}, 1, u"070-0000-****のPHSのキャリアは\rＰＨＳ乙です。"},
        {"spaces around the digits are trimmed", 0, {u"  1000 ", u"", u""}, 0, u"090-1000" + header + u"丁ネットです。"},
        {"a pasted fifth character is looked up by the first four and shown", 0, {u"10105", u"", u""}, 0,
         u"090-10105" + header + u"丙テレコムか甲通信です。"},
        {"too short: the lookup's warning", 0, {u"12", u"", u""}, -1,
         u"入力された電話番号は４文字未満です。\r電話番号の入力は半角数字４文字でお願いします。\r"
         u"この画面左下のミルデンの入力ボックスに再度電話番号を入力してください。"},
        {"only spaces search with an empty text: nothing shown", 0, {u"   ", u"1000", u""}, -1, u""},
        {"an empty box shows nothing", 1, {u"1000", u"", u""}, 1, u""},
        {"no range selected: nothing", -1, {u"1000", u"1000", u"1000"}, -1, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Window w;
        w.form.Load();
        w.f.selected = c.selected < 0 ? -1 : Tolvaform::tolvaselect(c.selected);
        for (int i = 0; i < 3; ++i) w.f.texts[Tolvaform::phone_text090(i)] = c.texts[i];
        if (c.returnIn < 0) w.form.Click(Tolvaform::researchbtn);
        else w.form.KeyPress(Tolvaform::phone_text090(c.returnIn), 13);
        if (c.prompt.empty()) {
            EXPECT_TRUE(w.f.boxes.shown.empty());
            continue;
        }
        ASSERT_EQ(w.f.boxes.shown.size(), 1u);
        EXPECT_EQ(w.f.boxes.shown[0].prompt, c.prompt);
    }
}

TEST(Tolvaform, VersionBoxShowsThreeLinesWithoutIcon) {
    Window w;
    w.form.MenuClick(MenuItemIndex("dummy"));  // the separator does nothing
    w.form.MenuClick(Tolvaform::versions);
    ASSERT_EQ(w.f.boxes.shown.size(), 1u);
    const test_support::ShownBox& box = w.f.boxes.shown[0];
    EXPECT_EQ(box.style, BoxStyle::NoIcon);
    EXPECT_EQ(box.title, std::optional<std::u16string>(u"ﾊﾞｰｼﾞｮﾝ情報"));
    const std::string_view version = MILDEN_VERSION;
    const std::u16string lines = u"ミルデン バージョン " + std::u16string(version.begin(), version.end()) + u"\r\r";
    EXPECT_TRUE(box.prompt.starts_with(lines + u"Copyright")) << box.prompt.size();
    EXPECT_EQ(box.prompt.find_first_of(u"\r\n", lines.size()), std::u16string::npos);
}

// One help window for the program, made on first use and shown modal, on 閉じる, each time.
TEST(Tolvaform, HelpCommandShowsTheOneHelpWindowModalOn閉じる) {
    Window w;
    w.form.MenuClick(Tolvaform::helpview);
    w.form.helpfrm().Click(Helpfrm::Command1);
    w.form.MenuClick(Tolvaform::helpview);
    EXPECT_EQ(w.f.helpViews, 1);
    const std::string onClose = "help " + Focus(Helpfrm::Command1);
    EXPECT_EQ(w.f.calls, (std::vector<std::string>{onClose, "help ShowModal", "help Close", onClose, "help ShowModal"}));
}

// When a window is active again (a box or the help window closed, the user came back from another
// program), the focus goes back to the control that had it when the window was left.
TEST(Tolvaform, ActivationGivesTheFocusBack) {
    struct Case {
        const char* name;
        std::vector<int> deactivations;  // the control focused each time the window was left
        int focused;
    };
    const Case cases[] = {
        {"never left: the first digit box", {}, Tolvaform::phone_text090(0)},
        {"the control that had it", {Tolvaform::researchbtn}, Tolvaform::researchbtn},
        {"none of the window's had it: the last one that did", {Tolvaform::phone_text090(2), -1}, Tolvaform::phone_text090(2)},
        {"a number that is no control is ignored", {99}, Tolvaform::phone_text090(0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Window w;
        w.form.Load();
        for (const int focused : c.deactivations) w.form.Deactivate(focused);
        w.form.Activate();
        EXPECT_EQ(w.f.calls.back(), Focus(c.focused));
    }
}

}  // namespace
}  // namespace milden
