#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
QSize testSize;
}

namespace Screen {
QSize sizePixels()
{
    if (testSize.isValid())
        return testSize;
    if (auto *s = QGuiApplication::primaryScreen())
        return s->size();
    return {1280, 800};
}
int widthTwips() { return sizePixels().width() * TwipsPerPixel; }
int heightTwips() { return sizePixels().height() * TwipsPerPixel; }
void setTestSizePixels(QSize size) { testSize = size; }
}
