// A UI Automation client, reading a program as Narrator and NVDA do: through
// the providers that Qt's Windows platform plugin serves. The Windows tests
// run it under Wine to hear what a Windows screen reader would say of
// Mixora's windows. It uses the flat Uia* node functions of
// UIAutomationCore.dll, the part of UI Automation that Wine implements;
// MinGW's headers lack them, so they are declared here as Microsoft
// documents them. (MinGW's uiautomationcoreapi.h, which has the handle
// types, does not compile as C++: one of its parameters is called new.)
// It only reads: Wine serves no control patterns, so nothing is pressed or
// typed through it.
//
// Usage: uiaclient TITLE
// Lists the visible top-level window of that exact title, waited for up to
// 30 seconds, one line per element on screen, depth first: its control type
// (indented two spaces a level), name and value, separated by tabs. Exit
// status 0 when listed, 1 when no such window has a UI Automation element,
// 2 for wrong usage.

#include <windows.h>
#include <oleauto.h>
#include <uiautomationclient.h>
#include <uiautomationcore.h>

#include <cstdio>
#include <cwchar>
#include <functional>
#include <iterator>
#include <string>
#include <utility>

namespace uia {

enum ConditionType { ConditionType_True = 0 };
struct Condition
{
    ConditionType type;
};
enum TreeScope { TreeScope_Element = 1 };
enum AutomationElementMode { AutomationElementMode_Full = 1 };
struct CacheRequest
{
    Condition *viewCondition;
    TreeScope scope;
    PROPERTYID *properties;
    int propertyCount;
    PATTERNID *patterns;
    int patternCount;
    AutomationElementMode mode;
};

} // namespace uia

extern "C" {
DECLARE_HANDLE(HUIANODE);
HRESULT WINAPI UiaNodeFromHandle(HWND hwnd, HUIANODE *node);
BOOL WINAPI UiaNodeRelease(HUIANODE node);
HRESULT WINAPI UiaNavigate(HUIANODE node, NavigateDirection direction, uia::Condition *condition,
                           uia::CacheRequest *request, SAFEARRAY **requested, BSTR *treeStructure);
HRESULT WINAPI UiaHUiaNodeFromVariant(VARIANT *value, HUIANODE *node);
HRESULT WINAPI UiaGetPropertyValue(HUIANODE node, PROPERTYID property, VARIANT *value);
}

namespace {

// Control type identifiers, in order from UIA_ButtonControlTypeId (50000).
const char *const kControlTypes[] = {
    "Button", "Calendar", "CheckBox", "ComboBox", "Edit", "Hyperlink", "Image", "ListItem", "List",
    "Menu", "MenuBar", "MenuItem", "ProgressBar", "RadioButton", "ScrollBar", "Slider", "Spinner",
    "StatusBar", "Tab", "TabItem", "Text", "ToolBar", "ToolTip", "Tree", "TreeItem", "Custom", "Group",
    "Thumb", "DataGrid", "DataItem", "Document", "SplitButton", "Window", "Pane", "Header",
    "HeaderItem", "Table", "TitleBar", "Separator", "SemanticZoom", "AppBar"};
constexpr int kFirstControlType = 50000;

// A node handle released when it goes out of scope.
class Node
{
public:
    explicit Node(HUIANODE node = nullptr) : m_node(node) {}
    Node(Node &&other) noexcept : m_node(other.m_node) { other.m_node = nullptr; }
    Node &operator=(Node &&other) noexcept
    {
        std::swap(m_node, other.m_node);
        return *this;
    }
    Node(const Node &) = delete;
    Node &operator=(const Node &) = delete;
    ~Node()
    {
        if (m_node)
            UiaNodeRelease(m_node);
    }
    HUIANODE get() const { return m_node; }
    explicit operator bool() const { return m_node != nullptr; }

private:
    HUIANODE m_node;
};

std::string utf8(const wchar_t *text, int length)
{
    if (length <= 0)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, result.data(), size, nullptr, nullptr);
    return result;
}

// A property as text: a string as it is, an integer in decimal, anything
// else (not supported, empty) as nothing.
std::string property(const Node &node, PROPERTYID id)
{
    VARIANT value;
    VariantInit(&value);
    std::string text;
    if (SUCCEEDED(UiaGetPropertyValue(node.get(), id, &value))) {
        if (value.vt == VT_BSTR && value.bstrVal)
            text = utf8(value.bstrVal, static_cast<int>(SysStringLen(value.bstrVal)));
        else if (value.vt == VT_I4)
            text = std::to_string(value.lVal);
        else if (value.vt == VT_BOOL)
            text = value.boolVal ? "true" : "false";
    }
    VariantClear(&value);
    return text;
}

std::string controlType(const Node &node)
{
    const std::string id = property(node, UIA_ControlTypePropertyId);
    if (id.empty())
        return "?";
    const int index = std::stoi(id) - kFirstControlType;
    if (index >= 0 && index < int(std::size(kControlTypes)))
        return kControlTypes[index];
    return id;
}

// The parent's first child, or an element's next sibling, in the raw view:
// every element the provider serves.
Node navigate(const Node &from, NavigateDirection direction)
{
    uia::Condition everything{uia::ConditionType_True};
    uia::CacheRequest request{&everything, uia::TreeScope_Element, nullptr, 0, nullptr, 0,
                              uia::AutomationElementMode_Full};
    SAFEARRAY *found = nullptr;
    BSTR structure = nullptr;
    HUIANODE node = nullptr;
    const HRESULT result = UiaNavigate(from.get(), direction, &everything, &request, &found, &structure);
    if (FAILED(result))
        fprintf(stderr, "UiaNavigate failed: %#lx\n", static_cast<unsigned long>(result));
    if (SUCCEEDED(result) && found) {
        LONG index[2] = {0, 0};
        VARIANT value;
        VariantInit(&value);
        // The node from the variant is a reference of its own.
        if (SUCCEEDED(SafeArrayGetElement(found, index, &value)) && FAILED(UiaHUiaNodeFromVariant(&value, &node)))
            node = nullptr;
        VariantClear(&value);
        SafeArrayDestroy(found);
    }
    SysFreeString(structure);
    return Node(node);
}

bool onScreen(const Node &node)
{
    return property(node, UIA_IsOffscreenPropertyId) != "true";
}

// Visits every element on screen below the root, depth first, in the
// provider's order, until the visitor returns false.
bool walk(const Node &parent, int depth, const std::function<bool(const Node &, int)> &visit)
{
    for (Node child = navigate(parent, NavigateDirection_FirstChild); child;
         child = navigate(child, NavigateDirection_NextSibling)) {
        if (!onScreen(child))
            continue;
        if (!visit(child, depth) || !walk(child, depth + 1, visit))
            return false;
    }
    return true;
}

struct WindowSearch
{
    std::wstring title;
    HWND found = nullptr;
};

BOOL CALLBACK matchTitle(HWND window, LPARAM parameter)
{
    auto *search = reinterpret_cast<WindowSearch *>(parameter);
    wchar_t title[512];
    const int length = GetWindowTextW(window, title, int(std::size(title)));
    if (IsWindowVisible(window) && search->title == std::wstring(title, length)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The root element of the visible top-level window so titled, as it appears.
Node windowNode(const std::wstring &title)
{
    for (int tries = 300; tries > 0; --tries) {
        WindowSearch search{title};
        EnumWindows(matchTitle, reinterpret_cast<LPARAM>(&search));
        HUIANODE node = nullptr;
        if (search.found && SUCCEEDED(UiaNodeFromHandle(search.found, &node)))
            return Node(node);
        Sleep(100);
    }
    return Node();
}

int list(const Node &root)
{
    printf("%s\t%s\t%s\n", controlType(root).c_str(), property(root, UIA_NamePropertyId).c_str(),
           property(root, UIA_ValueValuePropertyId).c_str());
    walk(root, 1, [](const Node &node, int depth) {
        printf("%*s%s\t%s\t%s\n", 2 * depth, "", controlType(node).c_str(),
               property(node, UIA_NamePropertyId).c_str(), property(node, UIA_ValueValuePropertyId).c_str());
        return true;
    });
    return 0;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: uiaclient TITLE\n");
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    const Node root = windowNode(argv[1]);
    if (!root) {
        fprintf(stderr, "no window titled %s has a UI Automation element\n",
                utf8(argv[1], int(wcslen(argv[1]))).c_str());
        return 1;
    }
    return list(root);
}
