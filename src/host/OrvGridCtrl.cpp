#include "host/OrvGridCtrl.h"

#include "host/platform/Application.h"
#include "host/platform/FileDialogService.h"
#include "host/platform/MessageBoxService.h"

#include <algorithm>
#include <iterator>

namespace {
const std::vector<std::string> kNoValues;
}  // namespace

OrvGridCtrl::OrvGridCtrl() = default;
OrvGridCtrl::~OrvGridCtrl() = default;

bool OrvGridCtrl::AddFilter(int col, const MULTIPLEFILTER_PARAM& param) {
  if (col < 0) return false;
  MULTIPLEFILTER_PARAM& stored = m_filters[col];
  ++m_filterRevision;
  stored.Copy(param);
  stored.nCol = col;
  return true;
}

bool OrvGridCtrl::RemoveFilter(int col, std::string_view text) {
  const auto it = m_filters.find(col);
  if (it == m_filters.end()) return false;
  std::vector<std::string>& values = it->second.lstValues;
  const auto removed = std::erase_if(values, [text](const std::string& v) { return v == text; });
  if (removed == 0) return false;
  ++m_filterRevision;
  if (values.empty()) m_filters.erase(it);
  return true;
}

void OrvGridCtrl::ClearFilter(int col) {
  ++m_filterRevision;
  if (col == -1) {
    m_filters.clear();
  } else {
    m_filters.erase(col);
  }
}

bool OrvGridCtrl::IsFilterExist(int col) const {
  if (col == -1) return !m_filters.empty();
  return m_filters.count(col) != 0;
}

bool OrvGridCtrl::IsFilterExist(int col, std::string_view text) const {
  const MULTIPLEFILTER_PARAM* filter = FindFilter(col);
  return filter != nullptr && filter->Contains(text);
}

bool OrvGridCtrl::GetFilterDataByColumn(int col, MULTIPLEFILTER_PARAM& out) const {
  if (const MULTIPLEFILTER_PARAM* filter = FindFilter(col)) {
    out.Copy(*filter);
    return true;
  }
  out.Clear();
  out.nCol = col;
  return false;
}

int OrvGridCtrl::GetFilterCountByColumn(int col) const {
  const MULTIPLEFILTER_PARAM* filter = FindFilter(col);
  return filter != nullptr ? static_cast<int>(filter->lstValues.size()) : 0;
}

const MULTIPLEFILTER_PARAM* OrvGridCtrl::FindFilter(int col) const {
  const auto it = m_filters.find(col);
  return it != m_filters.end() ? &it->second : nullptr;
}

void OrvGridCtrl::SetRefFilterValues(int col, std::vector<std::string> values) {
  if (col < 0) return;
  m_refFilterValues[col] = std::move(values);
}

const std::vector<std::string>& OrvGridCtrl::GetRefFilterValues(int col) const {
  const auto it = m_refFilterValues.find(col);
  return it != m_refFilterValues.end() ? it->second : kNoValues;
}

void OrvGridCtrl::SaveColumnProfile(const std::string& name) {
  const int count = GetColumnCount();
  ColumnProfile profile;
  profile.order = GetColumnOrderArray();
  profile.visible.reserve(static_cast<std::size_t>(count));
  profile.width.reserve(static_cast<std::size_t>(count));
  for (int col = 0; col < count; ++col) {
    profile.visible.push_back(GetColumnVisible(col));
    profile.width.push_back(GetColumnWidth(col));
  }
  m_profiles[name] = std::move(profile);
}

bool OrvGridCtrl::LoadColumnProfile(const std::string& name) {
  const auto it = m_profiles.find(name);
  if (it == m_profiles.end()) return false;
  const ColumnProfile& profile = it->second;
  const int count = GetColumnCount();
  // A profile saved with other columns still applies to the ids both know.
  std::vector<int> order;
  order.reserve(profile.order.size());
  std::copy_if(profile.order.begin(), profile.order.end(), std::back_inserter(order),
               [count](int id) { return id >= 0 && id < count; });
  SetColumnOrderArray(order);
  const int known = std::min(count, static_cast<int>(profile.visible.size()));
  for (int col = 0; col < known; ++col) {
    SetColumnVisible(col, profile.visible[static_cast<std::size_t>(col)]);
    SetColumnWidth(col, profile.width[static_cast<std::size_t>(col)]);
  }
  return true;
}

int OrvGridCtrl::SaveToFile(const std::string& title, bool bExcel, std::string& path, const std::string& fileName) {
  if (!HasApp()) return 0;
  orv::platform::FileDialogRequest request;
  request.flavour = orv::platform::FileDialogFlavour::Save;
  request.title = title;
  request.defaultExtension = SaveFileExtension(bExcel);
  request.fileName = fileName;
  request.filter = bExcel ? "Excel Files (*.xls)|*.xls|All Files (*.*)|*.*||"
                          : "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||";
  request.bOverwritePrompt = true;
  return App().FileDialogs().DoModal(request, path) == orv::platform::IDOK ? 1 : 0;
}
