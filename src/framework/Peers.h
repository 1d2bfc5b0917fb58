#pragma once

// Qt widgets behind the framework's controls. Private to the framework.

#include <QWidget>

namespace orv {

class TGraphicControl;

// Forwards its paint events to a graphic control.
class TPaintPeer : public QWidget {
public:
    explicit TPaintPeer(TGraphicControl& control);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TGraphicControl& control_;
};

} // namespace orv
