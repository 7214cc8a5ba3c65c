// What a user does in a settings grid, and a stand-in for the view's side of
// the settings panes: it takes the record on 108/110, hands over its graph
// fonts, and runs the analyses with the panes receiving what a clean run used.
#pragma once
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest>

#include "analysis/analysis_runs.h"
#include "analysis/quiet_hooks.h"
#include "app/command_ids.h"
#include "lang/workareas.h"
#include "panes/pane_values_copy.h"
#include "panes/properties_wnd_bode.h"
#include "panes/properties_wnd_filt.h"

inline const char kSampleProgram[] =
    "H(s) = (1-exp(-s*1.2))/s;\r\nFREQ 0.1, 10, 80, GEO;\r\nTIME 0.01, 5, 80;\r\nFILT 4.0, 0.0, 4.0, 0.2;\r\n"
    "PROBE H(s);\r\n/* 0-order Hold (sampling period 1.2sec) */\r\n";

// Selects the property and returns its in-place editor.
template <class Editor>
Editor* openEditor(PropertyGrid& grid, const QString& name)
{
    GridProperty* property = grid.find(name);
    if (!property)
        return nullptr;
    grid.select(*property);
    return qobject_cast<Editor*>(grid.openEditor());
}

// Enter, as the user ends an edit; the item view takes it over on its next round.
inline bool endEdit(PropertyGrid& grid, QWidget* editor)
{
    QTest::keyClick(editor, Qt::Key_Return);
    return QTest::qWaitFor([&] { return !grid.openEditor(); });
}

inline bool typeInto(PropertyGrid& grid, const QString& name, const QString& text)
{
    auto* edit = openEditor<QLineEdit>(grid, name);
    if (!edit)
        return false;
    edit->setText(text);
    return endEdit(grid, edit);
}

// Picks the choice from the list; the edit goes on until it is ended.
inline QComboBox* pickChoice(PropertyGrid& grid, const QString& name, const QString& choice)
{
    auto* box = openEditor<QComboBox>(grid, name);
    if (box)
        box->setCurrentText(choice);
    return box && box->currentText() == choice ? box : nullptr;
}

inline bool choose(PropertyGrid& grid, const QString& name, const QString& choice)
{
    QComboBox* box = pickChoice(grid, name, choice);
    return box && endEdit(grid, box);
}

// Clicks into the property and leaves it as it was.
inline bool clickAndLeave(PropertyGrid& grid, const QString& name)
{
    GridProperty* property = grid.find(name);
    if (!property)
        return false;
    grid.select(*property);
    return grid.openEditor() && endEdit(grid, grid.openEditor());
}

inline QString shown(const PropertyGrid& grid, const QString& name)
{
    return grid.find(name)->displayText();
}

class PaneViewHarness : public QuietHooks {
public:
    PaneViewHarness() : QuietHooks(kSampleProgram)
    {
        window.resize(700, 700);
        auto* layout = new QHBoxLayout(&window);
        layout->addWidget(bode);
        layout->addWidget(filt);
        QObject::connect(bode, &CPropertiesWndBODE::commandSent, &window, [this](int id) { takeCommand(id); });
        QObject::connect(filt, &CPropertiesWndFILT::commandSent, &window, [this](int id) { takeCommand(id); });
    }

    ~PaneViewHarness() override
    {
        if (view.workAreasReady)
            freeWorkAreas();
    }

    bool show()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    void runBode() { RunBodeAnalysis(view, *this, view.settings.useProgramFreq); }
    void runFilt() { RunFiltAnalysis(view, *this, view.settings.useProgramTime); }

    void SetBodeAnalysisValues(double start, double end, int count, int inOmega, int arithmetic) override
    {
        bode->SetAnalysisValues(start, end, count, inOmega, arithmetic);
    }
    void SetBodeGraphValues(int showGain, int showPhase, double freqAxisMin, double freqAxisMax, int radianUnits,
                            int linearFreqAxis, double dbRef, double dbDiv, double linGainMin, double linGainMax,
                            int linearGain) override
    {
        bode->SetGraphValues(showGain, showPhase, freqAxisMin, freqAxisMax, radianUnits, linearFreqAxis, dbRef,
                             dbDiv, linGainMin, linGainMax, linearGain);
    }
    void SetFiltAnalysisValues(double start, double end, int count, double a, double b, double k1,
                               double k2) override
    {
        filt->SetAnalysisValues(start, end, count, a, b, k1, k2);
    }
    void SetFiltGraphValues(double timeAxisMin, double timeAxisMax, double levelMin, double levelMax) override
    {
        filt->SetGraphValues(timeAxisMin, timeAxisMax, levelMin, levelMax);
    }

    // Declared before the window: closing the window ends an open edit, which
    // still reaches them.
    ViewData view;
    QFont bodeFont{"Sans", 9};
    QFont filtFont{"Sans", 9};
    QList<int> commands;

    QWidget window;
    CPropertiesWndBODE* bode = new CPropertiesWndBODE(&window);
    CPropertiesWndFILT* filt = new CPropertiesWndFILT(&window);

private:
    void takeCommand(int id)
    {
        commands << id;
        if (id == ID_PROPERTY_BODE_ITEM_CHANGED) {
            copyBodePaneValues(bode->values(), view);
            bode->SetGraphFont(&bodeFont);
        } else if (id == ID_PROPERTY_FILT_ITEM_CHANGED) {
            copyFiltPaneValues(filt->values(), view);
            filt->SetGraphFont(&filtFont);
        }
    }
};
