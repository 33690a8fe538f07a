#include "platform/qt/Pictures.h"

#include <QCoreApplication>
#include <QString>

#include <map>
#include <string>

namespace platform::qt {

namespace {

std::map<std::string, QPixmap, std::less<>>& Decoded() {
    static std::map<std::string, QPixmap, std::less<>> decoded;
    static const bool cleared = [] {
        // The pictures go with the application, not after it.
        qAddPostRoutine([] { Decoded().clear(); });
        return true;
    }();
    (void)cleared;
    return decoded;
}

} // namespace

QPixmap Picture(std::string_view path) {
    auto& decoded = Decoded();
    if (auto it = decoded.find(path); it != decoded.end())
        return it->second;
    const QPixmap pixmap(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
    decoded.emplace(std::string(path), pixmap);
    return pixmap;
}

} // namespace platform::qt
