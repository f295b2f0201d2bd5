#pragma once
// What the tests look at inside a query core: the row store and the transfer hook.
#include <functional>
#include <vector>

#include "app/query_core.h"

namespace tavra {

struct QueryCoreProbe {
  static auto& Rows(QueryCore& core) { return core.m_rows; }
  static int32_t RowCapacity(const QueryCore& core) { return core.m_nRowCapacity; }
  static int32_t LastItem(const QueryCore& core) { return core.m_nLastItem; }
  static void StartRows(QueryCore& core) { core.m_nLastRow = -1; }
  static void SetTransferOffer(QueryCore& core, std::function<void(QueryCore&)> offer) {
    core.m_offerTransfer = std::move(offer);
  }
};

}  // namespace tavra
