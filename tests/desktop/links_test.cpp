// The two web links, each on its own window's browser reference ie: the banner on the main window,
// the address label on the help window.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "desktop/helpfrm.h"
#include "desktop/tolvaform.h"
#include "desktop/web_addresses.h"
#include "tests/desktop/recording_front_end.h"

namespace milden {
namespace {

using Addresses = std::vector<std::u16string>;

struct Link {
    const char* name;
    std::u16string address;
    std::function<void(Tolvaform&)> click;
    std::function<BrowserObject*(Tolvaform&)> ie;
};

const Link kLinks[] = {
    {"banner", std::u16string(kPublicationAddress), [](Tolvaform& f) { f.Click(Tolvaform::Picture1); },
     [](Tolvaform& f) { return f.ie(); }},
    {"address label", std::u16string(kMakerHomePage), [](Tolvaform& f) { f.helpfrm().Click(Helpfrm::Label1(5)); },
     [](Tolvaform& f) { return f.helpfrm().ie(); }},
};

// Created on the first click, sent to the page again and shown while it stays open, let go when
// the user closes it, and created anew by the next click.
TEST(Links, ABrowserIsReusedUntilItQuits) {
    for (const Link& link : kLinks) {
        SCOPED_TRACE(link.name);
        test_support::RecordingFrontEnd f;
        Tolvaform form(f);
        EXPECT_EQ(link.ie(form), nullptr);
        link.click(form);
        ASSERT_EQ(f.browsers.logs.size(), 1u);
        EXPECT_TRUE(f.browsers.logs[0]->visible);
        f.browsers.logs[0]->visible = false;  // the user hid it behind other windows
        link.click(form);
        EXPECT_EQ(f.browsers.logs[0]->navigations, (Addresses{link.address, link.address}));
        EXPECT_TRUE(f.browsers.logs[0]->visible);
        EXPECT_EQ(f.browsers.attempts, 1);

        f.browsers.Quit(0);
        EXPECT_EQ(link.ie(form), nullptr);
        EXPECT_TRUE(f.browsers.logs[0]->released);
        EXPECT_EQ(f.browsers.attempts, 1);  // a quit creates nothing by itself
        link.click(form);
        ASSERT_EQ(f.browsers.logs.size(), 2u);
        EXPECT_EQ(f.browsers.logs[1]->navigations, Addresses{link.address});
        EXPECT_TRUE(f.boxes.shown.empty());
    }
}

// Failures are silent and keep what was done: a failed creation leaves ie empty, sends the address
// to the default browser and tries again next time; a failed navigation keeps ie held and hidden.
TEST(Links, FailuresKeepWhatWasDone) {
    for (const Link& link : kLinks) {
        SCOPED_TRACE(link.name);
        test_support::RecordingFrontEnd f;
        Tolvaform form(f);
        f.browsers.failCreate = true;
        link.click(form);
        EXPECT_EQ(link.ie(form), nullptr);
        EXPECT_EQ(f.browsers.openedInDefaultBrowser, Addresses{link.address});
        f.browsers.failCreate = false;
        f.browsers.failNavigate = true;
        link.click(form);
        EXPECT_EQ(f.browsers.attempts, 2);
        EXPECT_NE(link.ie(form), nullptr);
        EXPECT_FALSE(f.browsers.logs.at(0)->visible);  // the procedure ended at the failed navigation
        f.browsers.logs[0]->failNavigate = false;
        link.click(form);
        EXPECT_EQ(f.browsers.attempts, 2);
        EXPECT_TRUE(f.browsers.logs[0]->visible);
        EXPECT_EQ(f.browsers.openedInDefaultBrowser.size(), 1u);
        EXPECT_TRUE(f.boxes.shown.empty());
    }
}

TEST(Links, OnlyTheLinksReactToClicks) {
    test_support::RecordingFrontEnd f;
    Tolvaform form(f);
    for (int control = 0; control < static_cast<int>(kTolvaform.controls.size()); ++control) form.Click(control);
    for (int control = 0; control < static_cast<int>(kHelpfrm.controls.size()); ++control) {
        if (control != Helpfrm::Command1) form.helpfrm().Click(control);
    }
    ASSERT_EQ(f.browsers.logs.size(), 2u);
    EXPECT_EQ(f.browsers.logs[0]->navigations, Addresses{kLinks[0].address});
    EXPECT_EQ(f.browsers.logs[1]->navigations, Addresses{kLinks[1].address});
    EXPECT_TRUE(f.boxes.shown.empty());
    EXPECT_TRUE(f.calls.empty());  // no label closed the help window
}

TEST(Links, EachWindowHasItsOwnBrowserAndTheHelpWindowsSurvivesReopening) {
    test_support::RecordingFrontEnd f;
    Tolvaform form(f);
    form.Click(Tolvaform::Picture1);
    for (int shown = 0; shown < 2; ++shown) {
        form.MenuClick(Tolvaform::helpview);
        form.helpfrm().Click(Helpfrm::Label1(5));
        form.helpfrm().Click(Helpfrm::Command1);
    }
    ASSERT_EQ(f.browsers.logs.size(), 2u);
    EXPECT_EQ(f.browsers.logs[1]->navigations.size(), 2u);
    f.browsers.Quit(0);
    EXPECT_EQ(form.ie(), nullptr);
    EXPECT_NE(form.helpfrm().ie(), nullptr);  // the other one is untouched
}

}  // namespace
}  // namespace milden
