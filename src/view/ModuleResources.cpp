#include "view/ModuleResources.h"

#include "filterbar/FilterBarTemplate.h"
#include "host/platform/ExtensionModules.h"
#include "host/platform/Menu.h"
#include "host/platform/ResourceRegistry.h"

#include <initializer_list>
#include <utility>

namespace {

using orv::platform::Menu;
using orv::platform::MF_SEPARATOR;
using orv::platform::MF_STRING;

using Item = std::pair<unsigned, const char*>;

void AddItems(Menu& menu, std::initializer_list<Item> items) {
  for (const auto& [id, text] : items) {
    if (id == 0) menu.AppendMenu(MF_SEPARATOR);
    else menu.AppendMenu(MF_STRING, id, text);
  }
}

Menu GridContextMenu() {
  Menu popup;
  AddItems(popup, {{2002, "Modify\tShift+F2"}, {2063, "Cancel\tShift+F1/<delete>"}, {2064, "Cancel All\tShift+F3"},
                   {0, ""}});
  Menu& view = popup.AppendPopup("View");
  Menu& exchange = view.AppendPopup("Exchange");
  AddItems(exchange, {{2013, "ALL"},     {2014, "NSE"},   {2015, "BSE"},    {2016, "NSECUR"},  {2017, "MSEI CD"},
                      {2018, "USE"},     {2019, "DGCX"},  {2021, "BSECUR"}, {2022, "BINX"},    {2023, "NINX"},
                      {2024, "OFS"},     {2025, "NSECOM"}, {2026, "BSECOM"}, {32782, "MSEI"}});
  Menu& cme = view.AppendPopup("CME");
  AddItems(cme, {{2028, "ALL"}});
  Menu& instType = view.AppendPopup("Inst Type");
  AddItems(instType, {{2029, "All"}, {2030, "E\tCtrl+E"}, {2031, "F\tCtrl+F"}, {2032, "O\tCtrl+O"},
                      {2033, "S\tCtrl+S"}, {7333, "OFS"}});
  Menu& order = view.AppendPopup("Order");
  AddItems(order, {{2053, "All"}, {2054, "RL"}, {2055, "SL"}});
  Menu& buySell = view.AppendPopup("Buy/Sell");
  AddItems(buySell, {{2034, "All"}, {2035, "Buy"}, {2036, "Sell"}});
  Menu& proClient = view.AppendPopup("Pro/Client");
  AddItems(proClient, {{2037, "All"}, {2038, "Pro"}, {2039, "Client"}});
  Menu& status = view.AppendPopup("Order Status");
  AddItems(status, {{2041, "All"}, {2042, "Pending"}, {2043, "Un-Confirmed"}, {2044, "Cancelled"}, {2045, "Rejected"}});
  Menu& style = view.AppendPopup("Order Style");
  AddItems(style, {{2056, "All"}, {2057, "Automated"}, {2058, "Manual"}, {7365, "IOM"}});
  AddItems(view, {{2059, "&Users"}});
  AddItems(popup, {{2004, "Filter Bar..\tShift+S"}, {32780, "Save Filter"}, {3141, "Remove All Sort"}, {0, ""},
                   {2060, "Trades\tF8"}, {3110, "Market Picture(By Price)\tF5"},
                   {2062, "Market Picture(By Order)\tF6"}, {2047, "Market By Aggregate\tShift+F6"},
                   {2011, "Single History\tShift+1"}, {2012, "Link To IOB"}, {0, ""}});
  Menu& saveFile = popup.AppendPopup("Save File");
  AddItems(saveFile, {{3136, "Excel File"}, {3137, "Text File"}});
  Menu& bulk = popup.AppendPopup("Save BulkOrder File");
  AddItems(bulk, {{32775, "&Excel File"}, {32774, "&Text File"}});
  AddItems(popup, {{0, ""}, {61550, "TOMU File Path.."}, {3138, "Column Profile\tCtrl+Shift+P"},
                   {3140, "Fit to Size\tCtrl+(Num)*"}, {5001, "Grid"}, {5010, "Grid Properties"}, {3134, "Customize"},
                   {0, ""}, {2009, "TitleBar\tCtrl+T"}, {2010, "StatusBar\tCtrl+U"}, {3135, "Log Off\tAlt+F4"},
                   {2008, "Close\t<Escape>"}});
  Menu menu;
  menu.AppendPopup("OrderBook", std::move(popup));
  return menu;
}

Menu FilterBarContextMenu() {
  Menu popup;
  AddItems(popup, {{2002, "Modify\tShift+F2"}, {2063, "Cancel\tShift+F1/<delete>"}, {2064, "Cancel All\tShift+F3"},
                   {0, ""}});
  Menu& view = popup.AppendPopup("View");
  Menu& style = view.AppendPopup("Order Style");
  AddItems(style, {{2056, "All"}, {2057, "Automated"}, {2058, "Manual"}, {7365, "IOM"}});
  AddItems(view, {{2059, "&Users"}});
  AddItems(popup, {{2004, "Filter Bar..\tShift+S"}, {2060, "Trades\tF8"}, {3110, "Market Picture(By Price)\tF5"},
                   {2062, "Market Picture(By Order)\tF6"}, {2047, "Market By Aggregate\tShift+F6"}, {0, ""}});
  Menu& saveFile = popup.AppendPopup("Save File");
  AddItems(saveFile, {{3136, "Excel File"}, {3137, "Text File"}});
  AddItems(popup, {{0, ""}, {61550, "TOMU File Path.."}, {3138, "Column Profile\tCtrl+Shift+P"},
                   {3140, "Fit to Size\tCtrl+(Num)*"}, {5001, "Grid"}, {3134, "Customize"}, {0, ""},
                   {2009, "TitleBar\tCtrl+T"}, {2010, "StatusBar\tCtrl+U"}, {3135, "Log Off\tAlt+F4"},
                   {2008, "Close\t<Escape>"}});
  Menu menu;
  menu.AppendPopup("FilterBar", std::move(popup));
  return menu;
}

// Registers the module with every toolkit application while the library is loaded, as an
// extension module does: its resources appear on load and go away on unload.
struct ModuleLifetime {
  ModuleLifetime() { orv::platform::AddExtensionModule(ModuleResources::kModuleName, &ModuleResources::Register); }
  ~ModuleLifetime() { orv::platform::RemoveExtensionModule(ModuleResources::kModuleName); }
};
ModuleLifetime g_moduleLifetime;

}  // namespace

namespace ModuleResources {

void Register(orv::platform::ResourceRegistry& registry) {
  registry.RegisterModule(kModuleName);
  registry.RegisterMenu(kGridMenu, GridContextMenu(), kModuleName);
  registry.RegisterMenu(kFilterBarMenu, FilterBarContextMenu(), kModuleName);
  // Both bars are one template: the same controls, ids and texts under two names.
  registry.RegisterDialog(kPendingFilterDialog, filterbar::MakeDialogTemplate("OrvOrdersFilter"), kModuleName);
  registry.RegisterDialog(kGtdFilterDialog, filterbar::MakeDialogTemplate("GTDOrderBookFilter"), kModuleName);
  registry.RegisterImageStrip(kHeaderImages, {12, 12, 4}, kModuleName);
}

void Unregister(orv::platform::ResourceRegistry& registry) { registry.UnregisterModule(kModuleName); }

}  // namespace ModuleResources
