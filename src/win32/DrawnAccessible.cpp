#include "win32/DrawnAccessible.h"

#include "win32/Com.h"
#include "win32/DrawnItemAnswers.h"

namespace answers = drawn_answers;
using Item = DrawnControls::Item;

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

template <typename Standard>
HRESULT DrawnAccessible::standard(Standard ask) const
{
    return m_standard ? ask(m_standard) : RPC_E_DISCONNECTED;
}

template <typename Standard, typename Drawn>
HRESULT DrawnAccessible::route(const VARIANT& child, Standard ask, Drawn drawn) const
{
    if (!m_drawn) return RPC_E_DISCONNECTED;
    if (child.vt != VT_I4) return E_INVALIDARG;
    const long before = standardCount();
    if (child.lVal <= before) return standard(ask);  // CHILDID_SELF is 0
    const auto index = static_cast<std::size_t>(child.lVal - before - 1);
    if (index >= m_drawn->items().size()) return E_INVALIDARG;
    return drawn(m_drawn->items()[index]);
}

HRESULT DrawnAccessible::get_accParent(IDispatch** parent)
{
    return standard([&](IAccessible* s) { return s->get_accParent(parent); });
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
    // A drawn item is a simple element, answered here by its id.
    return route(child, [&](IAccessible* s) { return s->get_accChild(child, dispatch); },
                 [](const Item&) { return S_FALSE; });
}

HRESULT DrawnAccessible::get_accName(VARIANT child, BSTR* name)
{
    return route(child, [&](IAccessible* s) { return s->get_accName(child, name); },
                 [&](const Item& item) { return answers::name(item, name); });
}

HRESULT DrawnAccessible::get_accValue(VARIANT child, BSTR* value)
{
    return route(child, [&](IAccessible* s) { return s->get_accValue(child, value); },
                 [&](const Item&) { return answers::none(value); });
}

HRESULT DrawnAccessible::get_accDescription(VARIANT child, BSTR* description)
{
    return route(child, [&](IAccessible* s) { return s->get_accDescription(child, description); },
                 [&](const Item&) { return answers::none(description); });
}

HRESULT DrawnAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    if (!role) return E_POINTER;
    return route(child, [&](IAccessible* s) { return s->get_accRole(child, role); },
                 [&](const Item& item) { return answers::role(item, role); });
}

HRESULT DrawnAccessible::get_accState(VARIANT child, VARIANT* state)
{
    if (!state) return E_POINTER;
    return route(child, [&](IAccessible* s) { return s->get_accState(child, state); },
                 [&](const Item& item) { return answers::state(item, m_window, state); });
}

HRESULT DrawnAccessible::get_accHelp(VARIANT child, BSTR* help)
{
    return route(child, [&](IAccessible* s) { return s->get_accHelp(child, help); },
                 [&](const Item&) { return answers::none(help); });
}

HRESULT DrawnAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic)
{
    return route(child, [&](IAccessible* s) { return s->get_accHelpTopic(file, child, topic); },
                 [&](const Item&) {
                     if (topic) *topic = -1;
                     return answers::none(file);
                 });
}

HRESULT DrawnAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut)
{
    return route(child, [&](IAccessible* s) { return s->get_accKeyboardShortcut(child, shortcut); },
                 [&](const Item&) { return answers::none(shortcut); });
}

HRESULT DrawnAccessible::get_accFocus(VARIANT* focus)
{
    return standard([&](IAccessible* s) { return s->get_accFocus(focus); });
}

HRESULT DrawnAccessible::get_accSelection(VARIANT* selection)
{
    return standard([&](IAccessible* s) { return s->get_accSelection(selection); });
}

HRESULT DrawnAccessible::get_accDefaultAction(VARIANT child, BSTR* action)
{
    return route(child, [&](IAccessible* s) { return s->get_accDefaultAction(child, action); },
                 [&](const Item& item) { return answers::defaultAction(item, action); });
}

HRESULT DrawnAccessible::accSelect(long flags, VARIANT child)
{
    // Nothing drawn takes the focus or a selection.
    return route(child, [&](IAccessible* s) { return s->accSelect(flags, child); },
                 [](const Item&) { return DISP_E_MEMBERNOTFOUND; });
}

HRESULT DrawnAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child)
{
    return route(child, [&](IAccessible* s) { return s->accLocation(left, top, width, height, child); },
                 [&](const Item& item) {
                     return answers::location(*m_drawn, item, m_window, left, top, width, height);
                 });
}

HRESULT DrawnAccessible::accNavigate(long direction, VARIANT start, VARIANT* end)
{
    if (!end) return E_POINTER;
    *end = answers::emptyVariant();
    // Among the drawn items, in their order.
    return route(start, [&](IAccessible* s) { return s->accNavigate(direction, start, end); },
                 [&](const Item& item) { return answers::navigate(*m_drawn, item, direction, start.lVal, end); });
}

HRESULT DrawnAccessible::accHitTest(long left, long top, VARIANT* child)
{
    if (!child) return E_POINTER;
    if (!m_drawn) return RPC_E_DISCONNECTED;
    const long index = answers::itemAt(*m_drawn, m_window, left, top);
    if (index >= 0) {
        *child = answers::longVariant(standardCount() + index + 1);
        return S_OK;
    }
    return standard([&](IAccessible* s) { return s->accHitTest(left, top, child); });
}

HRESULT DrawnAccessible::accDoDefaultAction(VARIANT child)
{
    return route(child, [&](IAccessible* s) { return s->accDoDefaultAction(child); },
                 [&](const Item& item) { return answers::press(item, m_window); });
}

HRESULT DrawnAccessible::put_accName(VARIANT, BSTR)
{
    return E_NOTIMPL;
}

HRESULT DrawnAccessible::put_accValue(VARIANT, BSTR)
{
    return E_NOTIMPL;
}
