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

    void addRow(const QString& text, const QIcon& picture = {});
    // Picks the row with exactly this text as the user would, emitting
    // changed(); false, with nothing changed, when there is none.
    bool pick(const QString& text);

protected:
    // Ctrl+Tab and Ctrl+Shift+Tab belong to the tabs around the box, whatever
    // text the platform gives them; the box would take them for a search.
    void keyPressEvent(QKeyEvent* event) override;

signals:
    // The user picked a row; changing the row from code stays silent.
    void changed();
};

}  // namespace trivelon::gui
