#pragma once
// The windows the main menu opens and the graph window returns to. The start-up
// (src/app/startup.cpp) registers a factory for each calculator, so the shell opens them
// without depending on them.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>

enum class WindowId {
    MenuMain,
    SavingsCalc,
    Plan401KCalc,
    RetireCalc,
    CapitalReqdCalc,
    MortgageCalc,
    Trendmenu,
    FindCompoundCalc,
    GraphsAll,
    // The windows of the Quantrel module, opened from its menu and from each other.
    Averatios,
    Dbase,
    TrendGraph,
    Extract,
};

class WindowRegistry {
public:
    using Factory = std::function<QWidget*(QWidget* parent)>;

    void add(WindowId id, Factory factory);
    // Registers a window that exists already (the main menu), loaded for good.
    void adopt(WindowId id, QWidget* window);
    bool has(WindowId id) const;
    // The parent of every window the registry loads (the main window's client area).
    void setParent(QWidget* parent) { m_parent = parent; }

    // Loads a fresh instance (unloading an earlier one) and shows it. Returns nullptr when no
    // window is registered under `id`; nothing else happens then.
    QWidget* open(WindowId id);
    // Shows the loaded instance again (loading it first when none is loaded).
    QWidget* show(WindowId id);
    void hide(WindowId id);
    // Hides and destroys the loaded instance.
    void unload(WindowId id);
    QWidget* loaded(WindowId id) const;

    void clear();

private:
    std::map<WindowId, Factory> m_factories;
    std::map<WindowId, QPointer<QWidget>> m_loaded;
    QPointer<QWidget> m_parent;
};

WindowRegistry& windows();
