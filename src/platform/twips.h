#pragma once
// Window positions and sizes of the program are given in twips (1/1440 inch); they convert at
// 15 twips per device-independent pixel, and Qt's high-DPI scaling does the rest.

#include <QPoint>
#include <QRect>
#include <QSize>

constexpr int TwipsPerPixel = 15;

constexpr int twips(int t) {
    return t / TwipsPerPixel;
}
constexpr int toTwips(int px) {
    return px * TwipsPerPixel;
}
inline QPoint twipsPoint(int left, int top) {
    return {twips(left), twips(top)};
}
inline QSize twipsSize(int width, int height) {
    return {twips(width), twips(height)};
}
inline QRect twipsRect(int left, int top, int width, int height) {
    return {twipsPoint(left, top), twipsSize(width, height)};
}
