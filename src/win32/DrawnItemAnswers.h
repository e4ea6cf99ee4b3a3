#pragma once

#include "win32/DrawnControls.h"

#include <windows.h>

#include <oleacc.h>

// What a screen reader is told of one item the main window draws: its name,
// role, state, place and action, and its neighbours. DrawnAccessible routes
// the questions about a drawn item here; the window's own and its child
// windows' go to the standard view.
namespace drawn_answers {

using Item = DrawnControls::Item;

VARIANT longVariant(long value);
VARIANT emptyVariant();

HRESULT name(const Item& item, BSTR* out);
// Value, description, help and shortcut: a drawn item has none.
HRESULT none(BSTR* out);
HRESULT role(const Item& item, VARIANT* out);
HRESULT state(const Item& item, HWND window, VARIANT* out);
HRESULT defaultAction(const Item& item, BSTR* out);
// On the screen, in device pixels.
HRESULT location(const DrawnControls& drawn, const Item& item, HWND window, long* left, long* top, long* width,
                 long* height);
// The next or previous drawn item, as the child id `startId + offset`.
HRESULT navigate(const DrawnControls& drawn, const Item& item, long direction, long startId, VARIANT* end);
// The index of the drawn item at a point of the screen; -1 for none.
long itemAt(const DrawnControls& drawn, HWND window, long left, long top);
HRESULT press(const Item& item, HWND window);

}  // namespace drawn_answers
