#pragma once

// Qt widgets behind the framework's controls. Private to the framework.

#include <QWidget>

namespace orv {

class TControl;

// Forwards its paint events to a control that draws itself.
class TPaintPeer : public QWidget {
public:
    explicit TPaintPeer(TControl& control);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TControl& control_;
};

} // namespace orv
