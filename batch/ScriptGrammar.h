// What a script may say on each surface: the calculator, the Load Calc browser and the
// tools. Each token or directive becomes one step, which may open or close a surface; the
// surface is followed while the script is checked, so tokens are checked where they apply.
#pragma once

#include "Script.h"

#include <map>
#include <optional>
#include <string>

namespace tarvo {

enum class Surface { Calculator, Browser, HexTool, Statistics };

struct Step {
    std::function<void(BatchSession&)> run;
    Surface next;
};

using DirectiveParser = Step (*)(const std::string& argument, int line);

struct SurfaceGrammar {
    std::optional<Step> (*key)(const std::string& token); // nothing when unknown
    std::map<std::string, DirectiveParser> directives;
};

const SurfaceGrammar& CalculatorGrammar();
const SurfaceGrammar& BrowserGrammar();
const SurfaceGrammar& StatisticsGrammar();
const SurfaceGrammar& HexToolGrammar();

} // namespace tarvo
