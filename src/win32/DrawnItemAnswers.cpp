#include "win32/DrawnItemAnswers.h"

#include "win32/MainWindowControls.h"

#include <string>

namespace drawn_answers {

namespace {

HRESULT text(const std::wstring& value, BSTR* out)
{
    if (!out) return E_POINTER;
    *out = SysAllocString(value.c_str());
    return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

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

HRESULT name(const Item& item, BSTR* out)
{
    return text(item.name, out);
}

HRESULT none(BSTR* out)
{
    if (out) *out = nullptr;
    return S_FALSE;
}

HRESULT role(const Item& item, VARIANT* out)
{
    *out = longVariant(item.clickable ? ROLE_SYSTEM_PUSHBUTTON : ROLE_SYSTEM_STATICTEXT);
    return S_OK;
}

HRESULT state(const Item& item, HWND window, VARIANT* out)
{
    long flags = item.clickable ? 0 : STATE_SYSTEM_READONLY;
    if (!IsWindowVisible(window)) flags |= STATE_SYSTEM_INVISIBLE;
    *out = longVariant(flags);
    return S_OK;
}

HRESULT defaultAction(const Item& item, BSTR* out)
{
    return item.clickable ? text(L"Press", out) : none(out);
}

HRESULT location(const DrawnControls& drawn, const Item& item, HWND window, long* left, long* top, long* width,
                 long* height)
{
    if (!left || !top || !width || !height) return E_POINTER;
    const RECT rect = drawn.deviceRect(item);
    POINT corner{rect.left, rect.top};
    ClientToScreen(window, &corner);
    *left = corner.x;
    *top = corner.y;
    *width = rect.right - rect.left;
    *height = rect.bottom - rect.top;
    return S_OK;
}

HRESULT navigate(const DrawnControls& drawn, const Item& item, long direction, long startId, VARIANT* end)
{
    const auto& items = drawn.items();
    const long index = static_cast<long>(&item - items.data());
    const long to = direction == NAVDIR_NEXT       ? index + 1
                    : direction == NAVDIR_PREVIOUS ? index - 1
                                                   : -1;
    if (to < 0 || to >= static_cast<long>(items.size())) return S_FALSE;
    *end = longVariant(startId + (to - index));
    return S_OK;
}

long itemAt(const DrawnControls& drawn, HWND window, long left, long top)
{
    POINT point{left, top};
    ScreenToClient(window, &point);
    const auto& items = drawn.items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const RECT rect = drawn.deviceRect(items[i]);
        if (PtInRect(&rect, point)) return static_cast<long>(i);
    }
    return -1;
}

HRESULT press(const Item& item, HWND window)
{
    if (!item.clickable) return DISP_E_MEMBERNOTFOUND;
    // After the reader's call has returned, as a click would come.
    PostMessageW(window, controls::kDrawnPressed, static_cast<WPARAM>(item.command), 0);
    return S_OK;
}

}  // namespace drawn_answers
