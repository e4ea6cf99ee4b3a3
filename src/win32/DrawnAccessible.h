#pragma once

#include <windows.h>

#include <oleacc.h>

class DrawnControls;

// The main window's client area as a screen reader sees it: the standard
// view of the window and its child windows, with the drawn controls after
// them as simple children of their own, named, placed and pressable. Asked
// for through WM_GETOBJECT, so nothing of it loads until a reader asks.
class DrawnAccessible final : public IAccessible {
public:
    // The answer to WM_GETOBJECT, made on first asking; 0 for what this
    // does not serve, which the window passes on to DefWindowProc.
    static LRESULT answer(DrawnAccessible*& kept, HWND window, const DrawnControls& drawn, WPARAM wParam,
                          LPARAM lParam);
    // The window is going: readers still holding this get errors from now on.
    static void disconnect(DrawnAccessible*& kept);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch: no type information; readers use the IAccessible calls.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;
    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** dispatch) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

private:
    DrawnAccessible(HWND window, const DrawnControls& drawn, IAccessible* standard);
    ~DrawnAccessible();

    // Answers a question about `child`: the standard view's answer for the
    // window itself and its child windows, `drawn`'s for a drawn item.
    template <typename Standard, typename Drawn>
    HRESULT route(const VARIANT& child, Standard standard, Drawn drawn) const;
    // The standard view's answer, while the window lives.
    template <typename Standard>
    HRESULT standard(Standard ask) const;
    long standardCount() const;

    ULONG m_references = 1;
    HWND m_window;
    const DrawnControls* m_drawn;
    IAccessible* m_standard;
};
