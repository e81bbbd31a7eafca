#include "win/internet_explorer.h"

#include <exdispid.h>
#include <ocidl.h>
#include <shellapi.h>

#include <string>

#include "win/messages.h"
#include "win/wide.h"

namespace milden {
namespace {

// The event sink: an IDispatch that the browser calls for each DWebBrowserEvents2 event; only
// OnQuit does anything.
class EventSink : public IDispatch {
public:
    explicit EventSink(std::function<void()> onQuit) : onQuit_(std::move(onQuit)) {}
    virtual ~EventSink() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        if (member == DISPID_ONQUIT && onQuit_) onQuit_();
        return S_OK;
    }

private:
    std::function<void()> onQuit_;
    ULONG references_ = 1;
};

LRESULT CALLBACK QuitWindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message != kBrowserQuitMessage) return DefWindowProcW(window, message, w, l);
    // The holder may let the browser go here, which destroys this window: nothing follows.
    if (auto* events = reinterpret_cast<BrowserEvents*>(GetWindowLongPtrW(window, GWLP_USERDATA))) events->OnQuit();
    return 0;
}

// A message-only window that tells events of the browser's quit: the sink posts to it, so that the
// holder hears OnQuit as an event of its own, never inside the browser's call of the sink.
HWND CreateQuitWindow(BrowserEvents& events) {
    static const wchar_t* const name = [] {
        WNDCLASSW quitClass{};
        quitClass.lpfnWndProc = QuitWindowProc;
        quitClass.hInstance = GetModuleHandleW(nullptr);
        quitClass.lpszClassName = L"MildenBrowserQuit";
        RegisterClassW(&quitClass);
        return quitClass.lpszClassName;
    }();
    HWND window = CreateWindowExW(0, name, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&events));
    return window;
}

// One automation object with its event subscription.
class InternetExplorer : public BrowserObject {
public:
    InternetExplorer(IWebBrowser2* browser, BrowserEvents& events) : browser_(browser), quitWindow_(CreateQuitWindow(events)) {
        IConnectionPointContainer* container = nullptr;
        if (FAILED(browser_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) return;
        if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &events_))) {
            HWND quitWindow = quitWindow_;
            auto* sink = new EventSink([quitWindow] { PostMessageW(quitWindow, kBrowserQuitMessage, 0, 0); });
            if (FAILED(events_->Advise(sink, &cookie_))) cookie_ = 0;
            sink->Release();  // the connection point holds it while subscribed
        }
        container->Release();
    }

    ~InternetExplorer() override {
        if (events_) {
            if (cookie_) events_->Unadvise(cookie_);
            events_->Release();
        }
        browser_->Release();
        DestroyWindow(quitWindow_);
    }

    bool Navigate(std::u16string_view address) override {
        BSTR url = SysAllocStringLen(Wide(address).c_str(), static_cast<UINT>(address.size()));
        // The optional Flags, TargetFrameName, PostData and Headers are left out (empty).
        VARIANT omitted;
        VariantInit(&omitted);
        const HRESULT result = browser_->Navigate(url, &omitted, &omitted, &omitted, &omitted);
        SysFreeString(url);
        return SUCCEEDED(result);
    }

    bool SetVisible(bool visible) override {
        return SUCCEEDED(browser_->put_Visible(visible ? VARIANT_TRUE : VARIANT_FALSE));
    }

private:
    IWebBrowser2* browser_;
    HWND quitWindow_;
    IConnectionPoint* events_ = nullptr;
    DWORD cookie_ = 0;
};

}  // namespace

HRESULT CreateInternetExplorer(IWebBrowser2** browser) {
    return CoCreateInstance(CLSID_InternetExplorer, nullptr, CLSCTX_LOCAL_SERVER, IID_IWebBrowser2,
                            reinterpret_cast<void**>(browser));
}

void OpenWithShell(std::u16string_view address) {
    ShellExecuteW(nullptr, L"open", Wide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

InternetExplorerFactory::InternetExplorerFactory(CreateWebBrowser create, OpenAddress openInDefaultBrowser)
    : create_(std::move(create)), openInDefaultBrowser_(std::move(openInDefaultBrowser)) {}

std::unique_ptr<BrowserObject> InternetExplorerFactory::Create(BrowserEvents& events) {
    IWebBrowser2* browser = nullptr;
    if (FAILED(create_(&browser)) || !browser) return nullptr;
    return std::make_unique<InternetExplorer>(browser, events);
}

}  // namespace milden
