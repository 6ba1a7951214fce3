#pragma once

#include <QWidget>

namespace yuc {

// `Note_about`: the note on screen size that leads into the key.
class KeyEntryNote : public QWidget
{
    Q_OBJECT
public:
    explicit KeyEntryNote(QWidget *parent = nullptr);

private:
    void Command1_Click();
};

// `keys_to_aridisols`: what Aridisols have.
class AridisolsDefinition : public QWidget
{
    Q_OBJECT
public:
    explicit AridisolsDefinition(QWidget *parent = nullptr);
};

} // namespace yuc
