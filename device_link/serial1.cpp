#include "device_link/serial1.h"

#include "platform/geometry.h"

Serial1::Serial1()
{
    setWindowTitle(QStringLiteral("Form3"));
    resize(platform::Px(4680), platform::Px(3195));
}
