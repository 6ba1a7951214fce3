#include "reference/pages.h"

#include "shell/screenmanager.h"

namespace yuc {

void registerReferencePages()
{
}

} // namespace yuc
