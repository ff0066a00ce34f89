#include "platform/win32/win32_accessible.h"

#include <commctrl.h>
#include <oleacc.h>

#include <memory>
#include <new>
#include <utility>

#include "platform/win32/win32_system_error.h"

namespace quire::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr wchar_t kFactsProperty[] = L"QuireBatchAccessible";

struct AccessibleFacts {
    LONG role;
    std::optional<std::wstring> name;
    std::wstring description;
};

// Looked up at every question, so that a screen reader that keeps the object hears what the
// control is now, and one that asks after the control is gone hears what the system says of it.
const AccessibleFacts* FactsOf(HWND control) {
    return static_cast<const AccessibleFacts*>(GetPropW(control, kFactsProperty));
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT Text(const std::wstring& text, BSTR* out) {
    if (out == nullptr) return E_POINTER;
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

std::wstring ShownText(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The system's object for the control with three answers of ours; everything else is its own.
// Deleted by its own Release alone, never through an interface, as COM objects are.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class AnnotatedAccessible final : public IAccessible, public IOleWindow {
public:
    AnnotatedAccessible(HWND control, IAccessible* standard) : control_(control), std_(standard) {}
    AnnotatedAccessible(const AnnotatedAccessible&) = delete;
    AnnotatedAccessible& operator=(const AnnotatedAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) ||
            iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
        } else if (iid == __uuidof(IOleWindow)) {
            *out = static_cast<IOleWindow*>(this);
        } else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (window == nullptr) return E_POINTER;
        *window = control_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        const AccessibleFacts* facts = FactsOf(control_);
        if (!IsSelf(child) || facts == nullptr) return std_->get_accName(child, name);
        return Text(facts->name ? *facts->name : ShownText(control_), name);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        const AccessibleFacts* facts = FactsOf(control_);
        if (!IsSelf(child) || facts == nullptr) return std_->get_accRole(child, role);
        if (role == nullptr) return E_POINTER;
        VariantInit(role);
        role->vt = VT_I4;
        role->lVal = facts->role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        const AccessibleFacts* facts = FactsOf(control_);
        if (!IsSelf(child) || facts == nullptr || facts->description.empty()) {
            return std_->get_accDescription(child, description);
        }
        return Text(facts->description, description);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return std_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return std_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return std_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override {
        return std_->Invoke(id, iid, locale, flags, parameters, result, exception, argument);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return std_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return std_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** found) override {
        return std_->get_accChild(child, found);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return std_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return std_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return std_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return std_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return std_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return std_->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return std_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return std_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG how, VARIANT child) override {
        return std_->accSelect(how, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return std_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return std_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* found) override {
        return std_->accHitTest(x, y, found);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return std_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return std_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return std_->put_accValue(child, value);
    }

private:
    ~AnnotatedAccessible() { std_->Release(); }

    LONG references_ = 1;
    HWND control_;
    IAccessible* std_;
};
#pragma GCC diagnostic pop

// The object for a WM_GETOBJECT of the client, or 0 to leave the question to the control.
LRESULT AnswerObjectQuery(HWND control, WPARAM flags) {
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard)))) {
        return 0;
    }
    auto* annotated = new (std::nothrow) AnnotatedAccessible(control, standard);
    if (annotated == nullptr) {
        standard->Release();
        return 0;
    }
    const LRESULT result =
        LresultFromObject(__uuidof(IAccessible), flags, static_cast<IAccessible*>(annotated));
    annotated->Release();  // the result holds its own reference
    return FAILED(static_cast<HRESULT>(result)) ? 0 : result;
}

LRESULT CALLBACK AccessibleProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR data) {
    switch (message) {
        case WM_GETOBJECT:
            if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
                if (const LRESULT answer = AnswerObjectQuery(control, wParam)) return answer;
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(control, AccessibleProc, kSubclassId);
            RemovePropW(control, kFactsProperty);
            delete reinterpret_cast<AccessibleFacts*>(data);
            break;
        default: break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

void MakeAccessible(HWND control, LONG role, std::optional<std::wstring> name) {
    auto facts = std::make_unique<AccessibleFacts>(AccessibleFacts{role, std::move(name), {}});
    if (!SetPropW(control, kFactsProperty, facts.get())) throw LastErrorFailure();
    if (!SetWindowSubclass(control, AccessibleProc, kSubclassId,
                           reinterpret_cast<DWORD_PTR>(facts.get()))) {
        RemovePropW(control, kFactsProperty);
        throw LastErrorFailure();
    }
    facts.release();  // the control's now: deleted as it goes
}

void SetAccessibleDescription(HWND control, std::wstring description) {
    auto* facts = static_cast<AccessibleFacts*>(GetPropW(control, kFactsProperty));
    if (facts == nullptr || facts->description == description) return;
    facts->description = std::move(description);
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace quire::win32
