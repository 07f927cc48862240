#pragma once
// A pick-only combo box whose rows carry an optional 24 x 24 picture.
#include <QComboBox>
#include <QIcon>

namespace trivelon::gui {

class ImageCombo : public QComboBox {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 24;

    explicit ImageCombo(QWidget* parent = nullptr);

    // A row shows its text in the player's language; its key is what it
    // stands for whatever the language (the name the core knows it by), the
    // text itself unless another is given.
    void addRow(const QString& text, const QIcon& picture = {}, const QString& key = {});
    // The key of the row shown; empty without one.
    QString currentKey() const;
    // Picks the row with exactly this text as the user would, emitting
    // changed(); false, with nothing changed, when there is none.
    bool pick(const QString& text);
    // Picks the row of exactly this key as pick() picks a text.
    bool pickKey(const QString& key);

protected:
    // Ctrl+Tab and Ctrl+Shift+Tab belong to the tabs around the box, whatever
    // text the platform gives them; the box would take them for a search.
    void keyPressEvent(QKeyEvent* event) override;

signals:
    // The user picked a row; changing the row from code stays silent.
    void changed();

private:
    bool pickRow(int row);
};

}  // namespace trivelon::gui
