#include "shell/menubar.h"

#include "shell/messagebox.h"
#include "shell/screenmanager.h"

#include <QMenuBar>

namespace yuc {

void buildMainMenu(QMenuBar *bar)
{
    Q_UNUSED(bar);
}

} // namespace yuc
