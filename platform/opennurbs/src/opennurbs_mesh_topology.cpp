// Mesh topology: distinct vertex locations in ascending x, y, z order, edges and face edges,
// and the consistency check.
#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

#include "mesh_locations.h"
#include "opennurbs_mesh.h"

bool ON_MeshTopologyFace::IsTriangle() const { return m_topei[2] == m_topei[3]; }
bool ON_MeshTopologyFace::IsQuad() const { return m_topei[2] != m_topei[3]; }

int ON_MeshTopology::TopVertexCount() const { return m_topv.Count(); }
int ON_MeshTopology::TopEdgeCount() const { return m_tope.Count(); }
int ON_MeshTopology::TopFaceCount() const { return m_topf.Count(); }

ON_3dPoint ON_MeshTopology::TopVertexPoint(int k) const {
  const ON_MeshTopologyVertex* v = m_topv.At(k);
  if (v == nullptr || m_mesh == nullptr || v->m_v_count < 1) return ON_3dPoint::UnsetPoint;
  const ON_3dPoint* p = m_mesh->m_dV.At(v->m_vi[0]);
  return p != nullptr ? *p : ON_3dPoint::UnsetPoint;
}

ON_3fPoint ON_MeshTopology::TopVertexFloatPoint(int k) const {
  return ON_3fPoint(TopVertexPoint(k));
}

void ON_MeshTopology::Destroy() {
  m_mesh = nullptr;
  m_topv_map.Destroy();
  m_topv.Destroy();
  m_tope.Destroy();
  m_topf.Destroy();
  m_vi_store.Destroy();
  m_topei_store.Destroy();
  m_topv_edge_start.Destroy();
  m_topfi_store.Destroy();
  m_tope_face_start.Destroy();
  m_valid = false;
}

void ON_MeshTopology::Build(const ON_Mesh& mesh) {
  Destroy();
  m_mesh = &mesh;
  if (mesh.VertexCount() < 1) return;  // an empty mesh has an invalid, empty topology
  BuildVertices(mesh);
  BuildEdges(mesh);
  ListVertexEdges();
  LinkRecords();
  m_valid = true;
}

void ON_MeshTopology::BuildVertices(const ON_Mesh& mesh) {
  const int n = mesh.VertexCount();
  const on_mesh_detail::LocationGroups g = on_mesh_detail::GroupByLocation(mesh.m_dV.Array(), n);
  m_topv_map.Reserve(n);
  for (int i = 0; i < n; ++i) m_topv_map.Append(g.group_of[static_cast<size_t>(i)]);
  m_vi_store.Append(n, g.sorted.data());
  const int groups = g.GroupCount();
  m_topv.Reserve(groups);
  for (int k = 0; k < groups; ++k) {
    ON_MeshTopologyVertex& v = m_topv.AppendNew();
    v.m_v_count = g.group_start[static_cast<size_t>(k) + 1] - g.group_start[static_cast<size_t>(k)];
  }
}

namespace {

// One side of a face, from topological vertex a to b.
struct Side {
  int lo, hi;  // the edge's ends, lo < hi
  int face, slot;
  bool reversed;  // the face runs from hi to lo
  bool operator<(const Side& o) const {
    return std::tie(lo, hi, face, slot) < std::tie(o.lo, o.hi, o.face, o.slot);
  }
};

// Appends the sides of one face; false when a side joins a location to itself or an index is
// out of range (such a face gets no edges, but its other sides still make edges).
bool CollectSides(const ON_MeshFace& face, int f, const ON_SimpleArray<int>& map, int n,
                  std::vector<Side>& sides) {
  for (int v : face.vi) {
    if (v < 0 || v >= n) return false;
  }
  const int count = face.IsTriangle() ? 3 : 4;
  bool proper = true;
  for (int s = 0; s < count; ++s) {
    const int a = map[face.vi[s]];
    const int b = map[face.vi[(s + 1) % count]];
    if (a == b) {
      proper = false;
      continue;
    }
    sides.push_back({std::min(a, b), std::max(a, b), f, s, a > b});
  }
  return proper;
}

}  // namespace

void ON_MeshTopology::BuildEdges(const ON_Mesh& mesh) {
  std::vector<Side> sides;
  sides.reserve(static_cast<size_t>(mesh.FaceCount()) * 4);
  std::vector<bool> proper(static_cast<size_t>(mesh.FaceCount()));
  m_topf.Reserve(mesh.FaceCount());
  for (int f = 0; f < mesh.FaceCount(); ++f) {
    proper[static_cast<size_t>(f)] =
        CollectSides(mesh.m_F[f], f, m_topv_map, mesh.VertexCount(), sides);
    m_topf.AppendNew();
  }
  std::sort(sides.begin(), sides.end());
  m_topfi_store.Reserve(static_cast<int>(sides.size()));
  for (size_t k = 0; k < sides.size(); ++k) {
    const Side& s = sides[k];
    if (k == 0 || s.lo != sides[k - 1].lo || s.hi != sides[k - 1].hi) {
      ON_MeshTopologyEdge& edge = m_tope.AppendNew();
      edge.m_topvi[0] = s.lo;
      edge.m_topvi[1] = s.hi;
      m_tope_face_start.Append(m_topfi_store.Count());
    }
    // The sides of one edge are adjacent once sorted, so its faces are too.
    m_topfi_store.Append(s.face);
    if (!proper[static_cast<size_t>(s.face)]) continue;
    m_topf[s.face].m_topei[s.slot] = m_tope.Count() - 1;
    m_topf[s.face].m_reve[s.slot] = s.reversed;
  }
  m_tope_face_start.Append(m_topfi_store.Count());
  for (int f = 0; f < m_topf.Count(); ++f) {
    ON_MeshTopologyFace& tf = m_topf[f];
    if (proper[static_cast<size_t>(f)] && mesh.m_F[f].IsTriangle()) {
      tf.m_topei[3] = tf.m_topei[2];
      tf.m_reve[3] = tf.m_reve[2];
    }
  }
}

// Each vertex's edges in ascending edge index: counted, then placed in edge order.
void ON_MeshTopology::ListVertexEdges() {
  const int groups = m_topv.Count();
  m_topv_edge_start.Reserve(groups + 1);
  m_topv_edge_start.SetCount(groups + 1);
  for (int e = 0; e < m_tope.Count(); ++e) {
    ++m_topv_edge_start[m_tope[e].m_topvi[0]];
    ++m_topv_edge_start[m_tope[e].m_topvi[1]];
  }
  int start = 0;
  for (int k = 0; k <= groups; ++k) start += std::exchange(m_topv_edge_start[k], start);
  std::vector<int> next(m_topv_edge_start.Array(), m_topv_edge_start.Array() + groups);
  m_topei_store.Reserve(start);
  m_topei_store.SetCount(start);
  for (int e = 0; e < m_tope.Count(); ++e) {
    for (int end : m_tope[e].m_topvi) m_topei_store[next[static_cast<size_t>(end)]++] = e;
  }
}

void ON_MeshTopology::LinkRecords() {
  int start = 0;
  for (int k = 0; k < m_topv.Count(); ++k) {
    ON_MeshTopologyVertex& v = m_topv[k];
    v.m_vi = m_vi_store.Array() + start;
    start += v.m_v_count;
    v.m_tope_count = m_topv_edge_start[k + 1] - m_topv_edge_start[k];
    v.m_topei = v.m_tope_count > 0 ? m_topei_store.Array() + m_topv_edge_start[k] : nullptr;
  }
  for (int e = 0; e < m_tope.Count(); ++e) {
    m_tope[e].m_topf_count = m_tope_face_start[e + 1] - m_tope_face_start[e];
    m_tope[e].m_topfi = m_topfi_store.Array() + m_tope_face_start[e];
  }
}

namespace {

bool Contains(const int* a, int n, int x) { return std::find(a, a + n, x) != a + n; }

bool HasDuplicates(const int* a, int n) {
  if (n <= 8) {  // a vertex of a face or a small mesh: no copy
    for (int i = 1; i < n; ++i) {
      if (Contains(a, i, a[i])) return true;
    }
    return false;
  }
  std::vector<int> v(a, a + n);
  std::sort(v.begin(), v.end());
  return std::adjacent_find(v.begin(), v.end()) != v.end();
}

}  // namespace

bool ON_MeshTopology::IsValid() const {
  if (!m_valid || m_mesh == nullptr || &m_mesh->m_top != this) return false;
  const ON_Mesh& mesh = *m_mesh;
  const int nv = mesh.VertexCount();
  if (m_topv.Count() > nv || (nv > 0 && m_topv.Count() == 0)) return false;
  if (m_topf.Count() != mesh.FaceCount()) return false;
  if (mesh.FaceCount() > 0 && m_tope.Count() < 3) return false;
  if (m_topv_map.Count() != nv) return false;
  return VerticesAreConsistent() && EdgesAreConsistent() && FacesAreConsistent();
}

bool ON_MeshTopology::VerticesAreConsistent() const {
  const int nv = m_mesh->VertexCount();
  std::vector<int> seen(static_cast<size_t>(nv), 0);
  for (int k = 0; k < m_topv.Count(); ++k) {
    const ON_MeshTopologyVertex& v = m_topv[k];
    if (v.m_v_count < 1 || v.m_vi == nullptr) return false;
    for (int j = 0; j < v.m_v_count; ++j) {
      const int i = v.m_vi[j];
      if (i < 0 || i >= nv || ++seen[static_cast<size_t>(i)] != 1) return false;
      if (m_topv_map[i] != k) return false;
      if (j > 0 && !on_mesh_detail::SameLocation(m_mesh->m_dV[v.m_vi[0]], m_mesh->m_dV[i])) {
        return false;
      }
    }
    if (HasDuplicates(v.m_topei, v.m_tope_count)) return false;
    for (int j = 0; j < v.m_tope_count; ++j) {
      const ON_MeshTopologyEdge* e = m_tope.At(v.m_topei[j]);
      if (e == nullptr || (e->m_topvi[0] != k && e->m_topvi[1] != k)) return false;
    }
  }
  return std::find(seen.begin(), seen.end(), 0) == seen.end();
}

bool ON_MeshTopology::EdgesAreConsistent() const {
  for (int e = 0; e < m_tope.Count(); ++e) {
    const ON_MeshTopologyEdge& edge = m_tope[e];
    const ON_MeshTopologyVertex* a = m_topv.At(edge.m_topvi[0]);
    const ON_MeshTopologyVertex* b = m_topv.At(edge.m_topvi[1]);
    if (a == nullptr || b == nullptr || a == b) return false;
    if (!Contains(a->m_topei, a->m_tope_count, e) || !Contains(b->m_topei, b->m_tope_count, e)) {
      return false;
    }
    for (int j = 0; j < edge.m_topf_count; ++j) {
      const ON_MeshTopologyFace* f = m_topf.At(edge.m_topfi[j]);
      if (f == nullptr || !Contains(f->m_topei, 4, e)) return false;
    }
  }
  return true;
}

bool ON_MeshTopology::FacesAreConsistent() const {
  for (int f = 0; f < m_topf.Count(); ++f) {
    const ON_MeshTopologyFace& tf = m_topf[f];
    bool zeroed = true;
    for (int e : tf.m_topei) {
      if (e < 0 || e >= m_tope.Count()) return false;
      zeroed = zeroed && e == 0;
    }
    if (zeroed) continue;  // a face that got no edges
    if (!FaceMatchesCorners(f)) return false;
  }
  return true;
}

// Face f is index-valid, its slots agree with its being a triangle, and each edge joins the
// locations of the corners of its side in the direction that m_reve states.
bool ON_MeshTopology::FaceMatchesCorners(int f) const {
  const ON_MeshFace& face = m_mesh->m_F[f];
  const ON_MeshTopologyFace& tf = m_topf[f];
  if (!face.IsValid(m_mesh->VertexCount())) return false;
  if (face.IsTriangle() != tf.IsTriangle()) return false;
  const int count = face.IsTriangle() ? 3 : 4;
  for (int s = 0; s < count; ++s) {
    const ON_MeshTopologyEdge& edge = m_tope[tf.m_topei[s]];
    const int a = m_topv_map[face.vi[s]];
    const int b = m_topv_map[face.vi[(s + 1) % count]];
    const int from = edge.m_topvi[tf.m_reve[s] ? 1 : 0];
    const int to = edge.m_topvi[tf.m_reve[s] ? 0 : 1];
    if (from != a || to != b) return false;
  }
  return true;
}
