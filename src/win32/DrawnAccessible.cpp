#include "win32/DrawnAccessible.h"

#include "win32/Com.h"
#include "win32/DrawnControls.h"
#include "win32/MainWindowControls.h"

#include <string>

// What the window itself and its child windows answer.
#define PASS_TO_STANDARD(call) \
    do { \
        if (!m_standard) return RPC_E_DISCONNECTED; \
        return m_standard->call; \
    } while (false)

namespace {

VARIANT longVariant(long value)
{
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

VARIANT emptyVariant()
{
    VARIANT v;
    v.vt = VT_EMPTY;
    return v;
}

HRESULT text(const std::wstring& value, BSTR* out)
{
    if (!out) return E_POINTER;
    *out = SysAllocString(value.c_str());
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT none(BSTR* out)
{
    if (out) *out = nullptr;
    return S_FALSE;
}

}  // namespace

LRESULT DrawnAccessible::answer(DrawnAccessible*& kept, HWND window, const DrawnControls& drawn, WPARAM wParam,
                                LPARAM lParam)
{
    if (static_cast<LONG>(static_cast<DWORD>(lParam)) != OBJID_CLIENT) return 0;
    if (!kept) {
        // Marshalling the answer to the reader wants COM on this thread.
        useCom();
        IAccessible* standard = nullptr;
        if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&standard))))
            return 0;
        kept = new DrawnAccessible(window, drawn, standard);
    }
    const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, kept);
    return result > 0 ? result : 0;
}

void DrawnAccessible::disconnect(DrawnAccessible*& kept)
{
    if (!kept) return;
    kept->m_window = nullptr;
    kept->m_drawn = nullptr;
    if (kept->m_standard) kept->m_standard->Release();
    kept->m_standard = nullptr;
    kept->Release();
    kept = nullptr;
}

DrawnAccessible::DrawnAccessible(HWND window, const DrawnControls& drawn, IAccessible* standard)
    : m_window(window), m_drawn(&drawn), m_standard(standard)
{
}

DrawnAccessible::~DrawnAccessible()
{
    if (m_standard) m_standard->Release();
}

HRESULT DrawnAccessible::QueryInterface(REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG DrawnAccessible::AddRef()
{
    return ++m_references;
}

ULONG DrawnAccessible::Release()
{
    const ULONG left = --m_references;
    if (left == 0) delete this;
    return left;
}

HRESULT DrawnAccessible::GetTypeInfoCount(UINT* count)
{
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT DrawnAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**)
{
    return E_NOTIMPL;
}

HRESULT DrawnAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

HRESULT DrawnAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return E_NOTIMPL;
}

long DrawnAccessible::standardCount() const
{
    long count = 0;
    if (!m_standard || FAILED(m_standard->get_accChildCount(&count)) || count < 0) return 0;
    return count;
}

DrawnAccessible::Kind DrawnAccessible::classify(const VARIANT& child, long& drawnIndex) const
{
    if (!m_drawn) return Kind::Gone;
    if (child.vt != VT_I4) return Kind::Invalid;
    const long before = standardCount();
    if (child.lVal <= before) return Kind::Standard;  // CHILDID_SELF is 0
    drawnIndex = child.lVal - before - 1;
    return drawnIndex < static_cast<long>(m_drawn->items().size()) ? Kind::Drawn : Kind::Invalid;
}

HRESULT DrawnAccessible::get_accParent(IDispatch** parent)
{
    PASS_TO_STANDARD(get_accParent(parent));
}

HRESULT DrawnAccessible::get_accChildCount(long* count)
{
    if (!count) return E_POINTER;
    if (!m_drawn) return RPC_E_DISCONNECTED;
    *count = standardCount() + static_cast<long>(m_drawn->items().size());
    return S_OK;
}

HRESULT DrawnAccessible::get_accChild(VARIANT child, IDispatch** dispatch)
{
    if (!dispatch) return E_POINTER;
    *dispatch = nullptr;
    long index = 0;
    switch (classify(child, index)) {
    case Kind::Standard: PASS_TO_STANDARD(get_accChild(child, dispatch));
    case Kind::Drawn: return S_FALSE;  // a simple element, answered here by its id
    case Kind::Gone: return RPC_E_DISCONNECTED;
    default: return E_INVALIDARG;
    }
}

HRESULT DrawnAccessible::get_accName(VARIANT child, BSTR* name)
{
    long index = 0;
    switch (classify(child, index)) {
    case Kind::Standard: PASS_TO_STANDARD(get_accName(child, name));
    case Kind::Drawn: return text(m_drawn->items()[static_cast<std::size_t>(index)].name, name);
    case Kind::Gone: return RPC_E_DISCONNECTED;
    default: return E_INVALIDARG;
    }
}

HRESULT DrawnAccessible::get_accValue(VARIANT child, BSTR* value)
{
    long index = 0;
    switch (classify(child, index)) {
    case Kind::Standard: PASS_TO_STANDARD(get_accValue(child, value));
    case Kind::Drawn: return none(value);
    case Kind::Gone: return RPC_E_DISCONNECTED;
    default: return E_INVALIDARG;
    }
}

HRESULT DrawnAccessible::get_accDescription(VARIANT child, BSTR* description)
{
    long index = 0;
    switch (classify(child, index)) {
    case Kind::Standard: PASS_TO_STANDARD(get_accDescription(child, description));
    case Kind::Drawn: return none(description);
    case Kind::Gone: return RPC_E_DISCONNECTED;
    default: return E_INVALIDARG;
    }
}

HRESULT DrawnAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    if (!role) return E_POINTER;
    long index = 0;
    switch (classify(child, index)) {
    case Kind::Standard: PASS_TO_STANDARD(get_accRole(child, role));
    case Kind::Drawn:
        *role = longVariant(m_drawn->items()[static_cast<std::size_t>(index)].clickable ? ROLE_SYSTEM_PUSHBUTTON
                                                                                       : ROLE_SYSTEM_STATICTEXT);
        return S_OK;
    case Kind::Gone: return RPC_E_DISCONNECTED;
    default: return E_INVALIDARG;
    }
}

HRESULT DrawnAccessible::get_accState(VARIANT child, VARIANT* state)
{
    if (!state) return E_POINTER;
    long index = 0;
    switch (classify(child, index)) {
    case Kind::Standard: PASS_TO_STANDARD(get_accState(child, state));
    case Kind::Drawn: {
        long flags = m_drawn->items()[static_cast<std::size_t>(index)].clickable ? 0 : STATE_SYSTEM_READONLY;
        if (!IsWindowVisible(m_window)) flags |= STATE_SYSTEM_INVISIBLE;
        *state = longVariant(flags);
        return S_OK;
    }
    case Kind::Gone: return RPC_E_DISCONNECTED;
    default: return E_INVALIDARG;
    }
}

HRESULT DrawnAccessible::get_accHelp(VARIANT child, BSTR* help)
{
    long index = 0;
    switch (classify(child, index)) {
    case Kind::Standard: PASS_TO_STANDARD(get_accHelp(child, help));
    case Kind::Drawn: return none(help);
    case Kind::Gone: return RPC_E_DISCONNECTED;
    default: return E_INVALIDARG;
    }
}

HRESULT DrawnAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic)
{
    long index = 0;
    switch (classify(child, index)) {
    case Kind::Standard: PASS_TO_STANDARD(get_accHelpTopic(file, child, topic));
    case Kind::Drawn:
        if (topic) *topic = -1;
        return none(file);
    case Kind::Gone: return RPC_E_DISCONNECTED;
    default: return E_INVALIDARG;
    }
}

HRESULT DrawnAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut)
{
    long index = 0;
    switch (classify(child, index)) {
    case Kind::Standard: PASS_TO_STANDARD(get_accKeyboardShortcut(child, shortcut));
    case Kind::Drawn: return none(shortcut);
    case Kind::Gone: return RPC_E_DISCONNECTED;
    default: return E_INVALIDARG;
    }
}

HRESULT DrawnAccessible::get_accFocus(VARIANT* focus)
{
    PASS_TO_STANDARD(get_accFocus(focus));
}

HRESULT DrawnAccessible::get_accSelection(VARIANT* selection)
{
    PASS_TO_STANDARD(get_accSelection(selection));
}

HRESULT DrawnAccessible::get_accDefaultAction(VARIANT child, BSTR* action)
{
    long index = 0;
    switch (classify(child, index)) {
    case Kind::Standard: PASS_TO_STANDARD(get_accDefaultAction(child, action));
    case Kind::Drawn:
        return m_drawn->items()[static_cast<std::size_t>(index)].clickable ? text(L"Press", action) : none(action);
    case Kind::Gone: return RPC_E_DISCONNECTED;
    default: return E_INVALIDARG;
    }
}

HRESULT DrawnAccessible::accSelect(long flags, VARIANT child)
{
    long index = 0;
    switch (classify(child, index)) {
    case Kind::Standard: PASS_TO_STANDARD(accSelect(flags, child));
    case Kind::Drawn: return DISP_E_MEMBERNOTFOUND;  // nothing drawn takes the focus
    case Kind::Gone: return RPC_E_DISCONNECTED;
    default: return E_INVALIDARG;
    }
}

HRESULT DrawnAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child)
{
    long index = 0;
    switch (classify(child, index)) {
    case Kind::Standard: PASS_TO_STANDARD(accLocation(left, top, width, height, child));
    case Kind::Drawn: {
        if (!left || !top || !width || !height) return E_POINTER;
        const RECT rect = m_drawn->deviceRect(m_drawn->items()[static_cast<std::size_t>(index)]);
        POINT corner{rect.left, rect.top};
        ClientToScreen(m_window, &corner);
        *left = corner.x;
        *top = corner.y;
        *width = rect.right - rect.left;
        *height = rect.bottom - rect.top;
        return S_OK;
    }
    case Kind::Gone: return RPC_E_DISCONNECTED;
    default: return E_INVALIDARG;
    }
}

HRESULT DrawnAccessible::accNavigate(long direction, VARIANT start, VARIANT* end)
{
    if (!end) return E_POINTER;
    *end = emptyVariant();
    long index = 0;
    switch (classify(start, index)) {
    case Kind::Standard: PASS_TO_STANDARD(accNavigate(direction, start, end));
    case Kind::Drawn: {
        // Among the drawn items, in their order.
        const long count = static_cast<long>(m_drawn->items().size());
        const long to = direction == NAVDIR_NEXT ? index + 1 : direction == NAVDIR_PREVIOUS ? index - 1 : -1;
        if (to < 0 || to >= count) return S_FALSE;
        *end = longVariant(start.lVal + (to - index));
        return S_OK;
    }
    case Kind::Gone: return RPC_E_DISCONNECTED;
    default: return E_INVALIDARG;
    }
}

HRESULT DrawnAccessible::accHitTest(long left, long top, VARIANT* child)
{
    if (!child) return E_POINTER;
    if (!m_drawn) return RPC_E_DISCONNECTED;
    POINT point{left, top};
    ScreenToClient(m_window, &point);
    const auto& items = m_drawn->items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const RECT rect = m_drawn->deviceRect(items[i]);
        if (PtInRect(&rect, point)) {
            *child = longVariant(standardCount() + static_cast<long>(i) + 1);
            return S_OK;
        }
    }
    PASS_TO_STANDARD(accHitTest(left, top, child));
}

HRESULT DrawnAccessible::accDoDefaultAction(VARIANT child)
{
    long index = 0;
    switch (classify(child, index)) {
    case Kind::Standard: PASS_TO_STANDARD(accDoDefaultAction(child));
    case Kind::Drawn: {
        const DrawnControls::Item& item = m_drawn->items()[static_cast<std::size_t>(index)];
        if (!item.clickable) return DISP_E_MEMBERNOTFOUND;
        // After the reader's call has returned, as a click would come.
        PostMessageW(m_window, controls::kDrawnPressed, static_cast<WPARAM>(item.command), 0);
        return S_OK;
    }
    case Kind::Gone: return RPC_E_DISCONNECTED;
    default: return E_INVALIDARG;
    }
}

HRESULT DrawnAccessible::put_accName(VARIANT, BSTR)
{
    return E_NOTIMPL;
}

HRESULT DrawnAccessible::put_accValue(VARIANT, BSTR)
{
    return E_NOTIMPL;
}
