// The browser window's two hot paths: a keystroke in a search box (the search, the list's selection
// and both boxes) and the first fill of a dictionary's list.

#include "browser/Form2.h"
#include "forms/Runtime.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

namespace {

using dictionaries::Dictionary;
using dictionaries::DictionaryId;

DictionaryId IdOf(const benchmark::State& state) {
    return dictionaries::AllDictionaries[state.range(0)];
}

// One keystroke: the box's text changes, the list is searched, its selection moves and both boxes
// are written. The two texts alternate so that every write is a change: the last entry's
// abbreviation, found late in the list, and a text that matches nothing, for which the whole list
// is searched.
void BM_Keystroke(benchmark::State& state) {
    const DictionaryId id = IdOf(state);
    const browser::DictionaryPanel& panel = browser::PanelOf(id);
    forms::Runtime rt;
    browser::Form2& window = rt.Instance<browser::Form2>();
    rt.Start(window);
    rt.Click(window.Ctl(panel.button));
    forms::Control& box = window.Ctl(panel.searchBox);

    const auto& table = Dictionary(id);
    const std::string found =
        table.RowCount() > 0 ? std::string(table.Entry(table.RowCount() - 1)->Abbreviation) : "Zz";
    const std::string texts[] = {found, found + "~"};
    std::size_t k = 0;
    for (auto _ : state) {
        rt.TypeText(box, texts[k]);
        k ^= 1;
    }
    if (!rt.Running() || window.Ctl(panel.searchBox).Text() != texts[k ^ 1])
        state.SkipWithError("the keystrokes did not reach the search box");
    state.SetLabel(std::string(dictionaries::DictionaryName(id)));
    state.counters["rows"] = table.RowCount();
}
BENCHMARK(BM_Keystroke)->DenseRange(0, 4)->ArgName("dictionary");

// The first selection of a dictionary after the window loads, which fills its list. Each iteration
// loads the window afresh; only the selection is timed.
void BM_FirstFill(benchmark::State& state) {
    const DictionaryId id = IdOf(state);
    const browser::DictionaryPanel& panel = browser::PanelOf(id);
    forms::Runtime rt;
    browser::Form2& window = rt.Instance<browser::Form2>();
    rt.Start(window);
    for (auto _ : state) {
        rt.Dispatch([&] {
            window.Unload();
            window.SetVisible(true);
        });
        forms::Control& button = window.Ctl(panel.button);
        const auto start = std::chrono::steady_clock::now();
        rt.Click(button);
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
    const int rows = Dictionary(id).RowCount();
    if (!rt.Running() || window.Ctl(panel.list).ListCount() != rows)
        state.SkipWithError("the list was not filled");
    state.SetLabel(std::string(dictionaries::DictionaryName(id)));
    state.counters["rows"] = rows;
}
BENCHMARK(BM_FirstFill)
    ->DenseRange(0, 4)
    ->ArgName("dictionary")
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace
