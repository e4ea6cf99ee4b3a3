// Reads another program's window as a screen reader does, through its
// accessibility objects, and prints one line a control (UTF-8, tab-separated):
//   a child window:            its class, its style (hex), its name
//   a part the window draws:   "drawn", its role (hex), its name, its place
//                              on the screen (left,top,width,height), and
//                              "hit" when a hit test at its centre finds it
// for the top-level window titled argv[1]. With argv[2], the drawn part of
// that name is then pressed through its default action.
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const wchar_t* text)
{
    if (!text) return {};
    char buffer[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
    return buffer;
}

VARIANT childId(long id)
{
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::string nameOf(IAccessible* accessible, long id)
{
    BSTR name = nullptr;
    if (FAILED(accessible->get_accName(childId(id), &name))) return {};
    std::string text = utf8(name);
    SysFreeString(name);
    return text;
}

BOOL CALLBACK printWindow(HWND control, LPARAM)
{
    IAccessible* accessible = nullptr;
    std::string name;
    if (SUCCEEDED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&accessible)))) {
        name = nameOf(accessible, CHILDID_SELF);
        accessible->Release();
    }
    char windowClass[64] = {};
    GetClassNameA(control, windowClass, sizeof windowClass);
    std::printf("%s\t%08lx\t%s\n", windowClass, static_cast<unsigned long>(GetWindowLongW(control, GWL_STYLE)),
                name.c_str());
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2 && argc != 3) return 2;
    const HWND window = FindWindowW(nullptr, argv[1]);
    if (!window) return 1;
    CoInitialize(nullptr);
    EnumChildWindows(window, printWindow, 0);

    IAccessible* client = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&client))))
        return 3;
    const std::string pressing = argc == 3 ? utf8(argv[2]) : std::string();
    bool pressed = pressing.empty();
    long count = 0;
    client->get_accChildCount(&count);
    for (long id = 1; id <= count; ++id) {
        // A child that is an object of its own is a window; a simple one is drawn.
        IDispatch* object = nullptr;
        if (client->get_accChild(childId(id), &object) != S_FALSE) {
            if (object) object->Release();
            continue;
        }
        VARIANT role;
        role.vt = VT_EMPTY;
        client->get_accRole(childId(id), &role);
        const std::string name = nameOf(client, id);
        long left = 0, top = 0, width = 0, height = 0;
        client->accLocation(&left, &top, &width, &height, childId(id));
        VARIANT hit;
        hit.vt = VT_EMPTY;
        client->accHitTest(left + width / 2, top + height / 2, &hit);
        std::printf("drawn\t%08lx\t%s\t%ld,%ld,%ld,%ld\t%s\n",
                    role.vt == VT_I4 ? static_cast<unsigned long>(role.lVal) : 0ul, name.c_str(), left, top, width,
                    height, hit.vt == VT_I4 && hit.lVal == id ? "hit" : "missed");
        if (!pressed && name == pressing) pressed = SUCCEEDED(client->accDoDefaultAction(childId(id)));
    }
    client->Release();
    CoUninitialize();
    return pressed ? 0 : 4;
}
