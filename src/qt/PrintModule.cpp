#include "qt/QtPrinting.h"

#include <QtGlobal>

#include <type_traits>

extern "C" Q_DECL_EXPORT void pintaroPrintImage(const CanvasImage* image, QWidget* owner, PrintResult* result)
{
    static_assert(std::is_same_v<decltype(&pintaroPrintImage), PrintEntry>);
    *result = printWithDialog(*image, owner);
}
