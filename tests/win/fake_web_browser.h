/* A fake of the browser automation object for the window tests: an IWebBrowser2 that records
   Navigate and Visible, and is a connection point container for
   DWebBrowserEvents2, so that a test can make it report OnQuit to whoever subscribed. Written in
   C: the C interface declarations let it fill in only the methods the program uses. */
#pragma once

#include <windows.h>
#include <exdisp.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct FakeWebBrowserLog {
    int navigations;         /* successful Navigate calls */
    wchar_t lastAddress[256];
    int visible;
    int subscribed;          /* an event sink is advised */
    int released;            /* the last reference has gone */
} FakeWebBrowserLog;

/* A new fake with one reference, recording into log (which must outlive it). */
IWebBrowser2* CreateFakeWebBrowser(FakeWebBrowserLog* log);

/* The user closes the fake's window: its subscriber gets OnQuit. */
void QuitFakeWebBrowser(IWebBrowser2* browser);

#ifdef __cplusplus
}
#endif
