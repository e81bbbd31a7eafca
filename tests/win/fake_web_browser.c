#define COBJMACROS
#include "fake_web_browser.h"

#include <exdispid.h>
#include <ocidl.h>
#include <olectl.h>
#include <stdlib.h>

typedef struct Fake {
    IWebBrowser2 browser;
    IConnectionPointContainer container;
    IConnectionPoint events;
    LONG references;
    IDispatch* sink;
    FakeWebBrowserLog* log;
} Fake;

#define FAKE_OF(pointer, member) ((Fake*)((char*)(pointer)-offsetof(Fake, member)))

static HRESULT FakeQueryInterface(Fake* fake, REFIID iid, void** object) {
    if (IsEqualIID(iid, &IID_IUnknown) || IsEqualIID(iid, &IID_IDispatch) || IsEqualIID(iid, &IID_IWebBrowser2)) {
        *object = &fake->browser;
    } else if (IsEqualIID(iid, &IID_IConnectionPointContainer)) {
        *object = &fake->container;
    } else {
        *object = NULL;
        return E_NOINTERFACE;
    }
    InterlockedIncrement(&fake->references);
    return S_OK;
}

static ULONG FakeRelease(Fake* fake) {
    const LONG left = InterlockedDecrement(&fake->references);
    if (left == 0) {
        if (fake->sink) IDispatch_Release(fake->sink);
        fake->log->released = 1;
        free(fake);
    }
    return (ULONG)left;
}

/* IWebBrowser2 */
static HRESULT STDMETHODCALLTYPE BrowserQueryInterface(IWebBrowser2* self, REFIID iid, void** object) {
    return FakeQueryInterface(FAKE_OF(self, browser), iid, object);
}
static ULONG STDMETHODCALLTYPE BrowserAddRef(IWebBrowser2* self) {
    return (ULONG)InterlockedIncrement(&FAKE_OF(self, browser)->references);
}
static ULONG STDMETHODCALLTYPE BrowserRelease(IWebBrowser2* self) { return FakeRelease(FAKE_OF(self, browser)); }
static HRESULT STDMETHODCALLTYPE Navigate(IWebBrowser2* self, BSTR url, VARIANT* flags, VARIANT* frame,
                                          VARIANT* post, VARIANT* headers) {
    FakeWebBrowserLog* log = FAKE_OF(self, browser)->log;
    /* The address alone: every optional argument is left empty. */
    if (V_VT(flags) != VT_EMPTY || V_VT(frame) != VT_EMPTY || V_VT(post) != VT_EMPTY || V_VT(headers) != VT_EMPTY) {
        return E_INVALIDARG;
    }
    log->navigations++;
    lstrcpynW(log->lastAddress, url, 256);
    return S_OK;
}
static HRESULT STDMETHODCALLTYPE PutVisible(IWebBrowser2* self, VARIANT_BOOL visible) {
    FAKE_OF(self, browser)->log->visible = visible == VARIANT_TRUE;
    return S_OK;
}

/* IConnectionPointContainer */
static HRESULT STDMETHODCALLTYPE ContainerQueryInterface(IConnectionPointContainer* self, REFIID iid, void** object) {
    return FakeQueryInterface(FAKE_OF(self, container), iid, object);
}
static ULONG STDMETHODCALLTYPE ContainerAddRef(IConnectionPointContainer* self) {
    return (ULONG)InterlockedIncrement(&FAKE_OF(self, container)->references);
}
static ULONG STDMETHODCALLTYPE ContainerRelease(IConnectionPointContainer* self) {
    return FakeRelease(FAKE_OF(self, container));
}
static HRESULT STDMETHODCALLTYPE FindConnectionPoint(IConnectionPointContainer* self, REFIID iid,
                                                     IConnectionPoint** point) {
    Fake* fake = FAKE_OF(self, container);
    if (!IsEqualIID(iid, &DIID_DWebBrowserEvents2)) return CONNECT_E_NOCONNECTION;
    *point = &fake->events;
    InterlockedIncrement(&fake->references);
    return S_OK;
}

/* IConnectionPoint: one subscriber at a time */
static HRESULT STDMETHODCALLTYPE EventsQueryInterface(IConnectionPoint* self, REFIID iid, void** object) {
    if (IsEqualIID(iid, &IID_IConnectionPoint)) {
        *object = self;
        InterlockedIncrement(&FAKE_OF(self, events)->references);
        return S_OK;
    }
    return FakeQueryInterface(FAKE_OF(self, events), iid, object);
}
static ULONG STDMETHODCALLTYPE EventsAddRef(IConnectionPoint* self) {
    return (ULONG)InterlockedIncrement(&FAKE_OF(self, events)->references);
}
static ULONG STDMETHODCALLTYPE EventsRelease(IConnectionPoint* self) { return FakeRelease(FAKE_OF(self, events)); }
static HRESULT STDMETHODCALLTYPE Advise(IConnectionPoint* self, IUnknown* sink, DWORD* cookie) {
    Fake* fake = FAKE_OF(self, events);
    if (fake->sink) return CONNECT_E_ADVISELIMIT;
    if (FAILED(IUnknown_QueryInterface(sink, &IID_IDispatch, (void**)&fake->sink))) return CONNECT_E_CANNOTCONNECT;
    fake->log->subscribed = 1;
    *cookie = 1;
    return S_OK;
}
static HRESULT STDMETHODCALLTYPE Unadvise(IConnectionPoint* self, DWORD cookie) {
    Fake* fake = FAKE_OF(self, events);
    if (cookie != 1 || !fake->sink) return CONNECT_E_NOCONNECTION;
    IDispatch_Release(fake->sink);
    fake->sink = NULL;
    fake->log->subscribed = 0;
    return S_OK;
}

/* Only what the program may call is filled in; the rest stays null. */
static IWebBrowser2Vtbl browserMethods = {
    .QueryInterface = BrowserQueryInterface,
    .AddRef = BrowserAddRef,
    .Release = BrowserRelease,
    .Navigate = Navigate,
    .put_Visible = PutVisible,
};
static IConnectionPointContainerVtbl containerMethods = {
    .QueryInterface = ContainerQueryInterface,
    .AddRef = ContainerAddRef,
    .Release = ContainerRelease,
    .FindConnectionPoint = FindConnectionPoint,
};
static IConnectionPointVtbl eventsMethods = {
    .QueryInterface = EventsQueryInterface,
    .AddRef = EventsAddRef,
    .Release = EventsRelease,
    .Advise = Advise,
    .Unadvise = Unadvise,
};

IWebBrowser2* CreateFakeWebBrowser(FakeWebBrowserLog* log) {
    Fake* fake = calloc(1, sizeof *fake);
    fake->browser.lpVtbl = &browserMethods;
    fake->container.lpVtbl = &containerMethods;
    fake->events.lpVtbl = &eventsMethods;
    fake->references = 1;
    fake->log = log;
    log->released = 0;
    return &fake->browser;
}

void QuitFakeWebBrowser(IWebBrowser2* browser) {
    Fake* fake = FAKE_OF(browser, browser);
    DISPPARAMS none = {NULL, NULL, 0, 0};
    if (fake->sink) IDispatch_Invoke(fake->sink, DISPID_ONQUIT, &IID_NULL, 0, DISPATCH_METHOD, &none, NULL, NULL, NULL);
}
