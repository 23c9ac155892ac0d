#pragma once
// A list box whose Click signal follows the list click rule: it fires once when the
// selected row changes (by the user or by the program) and once when the user clicks
// the entry that is already selected.
#include <QListWidget>

namespace icevale {

class ClickList : public QListWidget {
    Q_OBJECT
public:
    explicit ClickList(QWidget* parent = nullptr);

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace icevale
