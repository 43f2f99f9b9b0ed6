#include "shell/windowregistry.h"

void WindowRegistry::add(WindowId id, Factory factory) {
    m_factories[id] = std::move(factory);
}

void WindowRegistry::adopt(WindowId id, QWidget* window) {
    m_loaded[id] = window;
}

bool WindowRegistry::has(WindowId id) const {
    return m_factories.count(id) != 0 || loaded(id) != nullptr;
}

QWidget* WindowRegistry::open(WindowId id) {
    const auto factory = m_factories.find(id);
    if (factory == m_factories.end()) {
        return nullptr;
    }
    unload(id);
    QWidget* window = factory->second(m_parent);
    m_loaded[id] = window;
    window->show();
    window->raise();
    return window;
}

QWidget* WindowRegistry::show(WindowId id) {
    QWidget* window = loaded(id);
    if (window == nullptr) {
        return open(id);
    }
    window->show();
    window->raise();
    return window;
}

void WindowRegistry::hide(WindowId id) {
    if (QWidget* window = loaded(id)) {
        window->hide();
    }
}

void WindowRegistry::unload(WindowId id) {
    const auto it = m_loaded.find(id);
    if (it == m_loaded.end()) {
        return;
    }
    if (QWidget* window = it->second) {
        window->hide();
        window->deleteLater();
    }
    m_loaded.erase(it);
}

QWidget* WindowRegistry::loaded(WindowId id) const {
    const auto it = m_loaded.find(id);
    return it == m_loaded.end() ? nullptr : it->second.data();
}

void WindowRegistry::clear() {
    m_factories.clear();
    m_loaded.clear();
}

WindowRegistry& windows() {
    static WindowRegistry registry;
    return registry;
}
