#include "host/AppIOB.h"

IOBRuleDetails* AppIOB::GetIOBOrderPacketBylOurOrderNo(std::int32_t ruleNo) {
  auto it = m_rules.find(ruleNo);
  return it == m_rules.end() ? nullptr : &it->second;
}

void AppIOB::SetRule(std::int32_t ruleNo, const IOBRuleDetails& rule) { m_rules[ruleNo] = rule; }

void AppIOB::Clear() { m_rules.clear(); }
