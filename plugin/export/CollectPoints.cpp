#include "export/CollectPoints.h"

#include <algorithm>
#include <exception>
#include <future>
#include <limits>
#include <system_error>
#include <thread>
#include <vector>

#include "export/PointCollector.h"

namespace {

// Entities per list of the second half: each list is given back as soon as it is appended, so the
// second half costs little more memory than its points in the final list.
constexpr std::size_t kEntitiesPerList = 32768;
constexpr std::size_t kSampleEntities = 16384;

void CollectRange(OdDbSelectionSetIterator& it, std::size_t count, const ExportOptions& options,
                  ON_3dPointArray& points) {
  PointCollector collector(options, points);
  for (; count > 0 && !it.done(); --count, it.next()) collector.CollectObject(it.objectId());
}

std::vector<ON_3dPointArray> CollectInLists(OdDbSelectionSetIterator& it,
                                            const ExportOptions& options) {
  std::vector<ON_3dPointArray> lists;
  while (!it.done()) {
    lists.emplace_back();
    lists.back().Reserve(static_cast<int>(kEntitiesPerList));
    CollectRange(it, kEntitiesPerList, options, lists.back());
  }
  return lists;
}

}  // namespace

void CollectPoints(const OdDbSelectionSet& selection, const ExportOptions& options,
                   ON_3dPointArray& points, TwoThreadWalk twoThreads) {
  constexpr std::size_t kAll = std::numeric_limits<std::size_t>::max();
  const std::size_t count = selection.numEntities();
  OdDbSelectionSetIteratorPtr first = selection.newIterator();
  if (count < twoThreads.from || std::thread::hardware_concurrency() < 2) {
    return CollectRange(*first, kAll, options, points);
  }
  // A walk of few points an entity (point entities, texts) is quick, and a second thread's lists
  // would only add to the peak: what the first entities give decides.
  const std::size_t sample = std::min(count / 2, kSampleEntities);
  const int before = points.Count();
  CollectRange(*first, sample, options, points);
  if (static_cast<std::size_t>(points.Count() - before) < twoThreads.pointsPerEntity * sample) {
    return CollectRange(*first, kAll, options, points);
  }
  const std::size_t half = (count - sample) / 2;
  OdDbSelectionSetIteratorPtr second = selection.newIterator();
  for (std::size_t i = 0; i < sample + half && !second->done(); ++i) second->next();
  std::future<std::vector<ON_3dPointArray>> later;
  try {
    later = std::async(std::launch::async, CollectInLists, std::ref(*second), std::cref(options));
  } catch (const std::system_error&) {
    return CollectRange(*first, kAll, options, points);
  }
  std::exception_ptr failure;
  try {
    CollectRange(*first, half, options, points);
  } catch (...) {
    failure = std::current_exception();
  }
  later.wait();
  if (failure) std::rethrow_exception(failure);
  std::vector<ON_3dPointArray> lists = later.get();
  for (ON_3dPointArray& list : lists) {
    points.Append(list.Count(), list.Array());
    list.Destroy();
  }
}
