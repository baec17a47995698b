// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/resourcelib/picture_registry.h"

#include <mutex>
#include <QMap>

namespace {

struct Entry {
    PictureMaker maker;
    QImage made;
    bool tried = false; // the maker ran (a failed maker is not run again)
};

struct Registry {
    std::mutex mutex;
    QMap<QString, Entry> entries;
};

Registry &TheRegistry()
{
    static Registry registry;
    return registry;
}

QString KeyOf(const QString &name)
{
    return name.trimmed().toUpper();
}

} // namespace

bool RegisterPicture(const QString &name, PictureMaker maker)
{
    const QString key = KeyOf(name);
    if (key.isEmpty() || !maker)
        return false;
    Registry &registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    registry.entries.insert(key, Entry{std::move(maker), QImage(), false});
    return true;
}

bool RegisterPictureFile(const QString &name, const QString &path)
{
    if (path.isEmpty())
        return false;
    return RegisterPicture(name, [path] { return QImage(path); });
}

bool UnregisterPicture(const QString &name)
{
    Registry &registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    return registry.entries.remove(KeyOf(name)) > 0;
}

bool HasPicture(const QString &name)
{
    Registry &registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    return registry.entries.contains(KeyOf(name));
}

QStringList RegisteredPictures()
{
    Registry &registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    return registry.entries.keys(); // QMap keeps its keys sorted
}

QImage GetBitmap(const QString &name)
{
    Registry &registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    auto it = registry.entries.find(KeyOf(name));
    if (it == registry.entries.end())
        return QImage();
    if (!it->tried) {
        it->made = it->maker();
        it->tried = true;
    }
    return it->made;
}
