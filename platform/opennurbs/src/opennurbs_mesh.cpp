// Meshes: vertex and face storage, cleaning (degenerate faces, unused vertices), append and
// validation.
#include "opennurbs_mesh.h"

#include <cassert>

#include "mesh_locations.h"

bool ON_MeshFace::IsTriangle() const { return vi[2] == vi[3]; }
bool ON_MeshFace::IsQuad() const { return vi[2] != vi[3]; }

bool ON_MeshFace::IsValid(int n) const {
  for (int v : vi) {
    if (v < 0 || v >= n) return false;
  }
  if (vi[0] == vi[1] || vi[1] == vi[2] || vi[2] == vi[0]) return false;
  return vi[2] == vi[3] || (vi[0] != vi[3] && vi[1] != vi[3]);
}

ON_Mesh::ON_Mesh() = default;

ON_Mesh::ON_Mesh(int face_capacity, int vertex_capacity, bool has_vertex_normals,
                 bool has_texture_coordinates)
    : m_dV(vertex_capacity), m_F(face_capacity) {
  if (has_vertex_normals) m_N.Reserve(vertex_capacity);
  if (has_texture_coordinates) m_T.Reserve(vertex_capacity);
}

ON_Mesh::ON_Mesh(const ON_Mesh& other) { CopyFrom(other); }

ON_Mesh& ON_Mesh::operator=(const ON_Mesh& other) {
  if (this != &other) CopyFrom(other);
  return *this;
}

ON_Mesh::~ON_Mesh() = default;

void ON_Mesh::CopyFrom(const ON_Mesh& other) {
  m_dV = other.m_dV;
  m_F = other.m_F;
  m_N = other.m_N;
  m_T = other.m_T;
  m_top.Destroy();
}

int ON_Mesh::VertexCount() const { return m_dV.Count(); }
int ON_Mesh::FaceCount() const { return m_F.Count(); }

int ON_Mesh::QuadCount() const {
  int n = 0;
  for (int f = 0; f < m_F.Count(); ++f) n += m_F[f].IsQuad() ? 1 : 0;
  return n;
}

int ON_Mesh::TriangleCount() const { return FaceCount() - QuadCount(); }

bool ON_Mesh::HasVertexNormals() const { return VertexCount() > 0 && m_N.Count() == VertexCount(); }

bool ON_Mesh::HasTextureCoordinates() const {
  return VertexCount() > 0 && m_T.Count() == VertexCount();
}

ON_3dPoint ON_Mesh::Vertex(int i) const { return m_dV[i]; }
ON_3fPoint ON_Mesh::FloatVertex(int i) const { return ON_3fPoint(m_dV[i]); }

bool ON_Mesh::SetVertex(int i, const ON_3dPoint& point) {
  if (i >= 0 && i < m_dV.Count()) {
    m_dV[i] = point;
    return true;
  }
  if (i != m_dV.Count()) return false;
  m_dV.Append(point);
  return true;
}

bool ON_Mesh::SetVertex(int i, const ON_3fPoint& point) { return SetVertex(i, ON_3dPoint(point)); }

bool ON_Mesh::SetQuad(int f, int a, int b, int c, int d) {
  ON_MeshFace face;
  face.vi[0] = a;
  face.vi[1] = b;
  face.vi[2] = c;
  face.vi[3] = d;
  if (f >= 0 && f < m_F.Count()) {
    m_F[f] = face;
  } else if (f == m_F.Count()) {
    m_F.Append(face);
  } else {
    return false;
  }
  return face.IsValid(VertexCount());
}

bool ON_Mesh::SetTriangle(int f, int a, int b, int c) { return SetQuad(f, a, b, c, c); }

namespace {

void ShiftLeft(int* v) {
  v[0] = v[1];
  v[1] = v[2];
  v[2] = v[3];
}

// The platform's repair of one degenerate face, applied to the stored indices `s` and to the
// location ids `m` together; -1 in `m` marks an index out of range.
void JuggleIndices(int* s, int* m) {
  if (m[0] == m[1] || m[0] < 0) {
    ShiftLeft(s);
    ShiftLeft(m);
  }
  if (m[1] == m[2] || m[1] < 0) {
    s[1] = s[2];
    s[2] = s[3];
    m[1] = m[2];
    m[2] = m[3];
  }
  if (m[2] < 0) {
    s[2] = s[3];
    m[2] = m[3];
  }
  if (m[3] < 0) {
    s[3] = s[2];
    m[3] = m[2];
  } else if (m[0] == m[3] && m[2] != m[3]) {
    ShiftLeft(s);
    ShiftLeft(m);
  }
}

}  // namespace

// Returns whether face f is degenerate (invalid once its indices are replaced by location ids);
// a degenerate face is repaired in place and `drop` tells whether it is still unusable.
bool ON_Mesh::RepairDegenerateFace(int f, const ON_SimpleArray<int>& point_id, int point_count,
                                   bool& drop) {
  ON_MeshFace& stored = m_F[f];
  ON_MeshFace mapped;
  for (int k = 0; k < 4; ++k) {
    const int v = stored.vi[k];
    mapped.vi[k] = (v >= 0 && v < VertexCount()) ? point_id[v] : -1;
  }
  drop = false;
  if (mapped.IsValid(point_count)) return false;
  JuggleIndices(stored.vi, mapped.vi);
  drop = !stored.IsValid(VertexCount()) || !mapped.IsValid(point_count);
  return true;
}

void ON_Mesh::RemoveFaces(const ON_SimpleArray<bool>& remove) {
  int kept = 0;
  for (int f = 0; f < m_F.Count(); ++f) {
    if (!remove[f]) m_F[kept++] = m_F[f];
  }
  m_F.SetCount(kept);
}

int ON_Mesh::CullDegenerateFaces() {
  const int n = VertexCount();
  const on_mesh_detail::LocationGroups groups = on_mesh_detail::GroupByLocation(m_dV.Array(), n);
  ON_SimpleArray<int> point_id(n);
  for (int i = 0; i < n; ++i) point_id.Append(groups.group_of[static_cast<size_t>(i)]);
  ON_SimpleArray<bool> remove(m_F.Count());
  int degenerate = 0;
  int removed = 0;
  for (int f = 0; f < m_F.Count(); ++f) {
    bool drop = false;
    if (RepairDegenerateFace(f, point_id, groups.GroupCount(), drop)) ++degenerate;
    remove.Append(drop);
    removed += drop ? 1 : 0;
  }
  if (removed > 0) RemoveFaces(remove);
  if (degenerate > 0) DestroyTopology();
  return degenerate;
}

void ON_Mesh::PackVertices(const ON_SimpleArray<int>& new_index) {
  const int n = VertexCount();
  const bool pack_normals = m_N.Count() == n;
  const bool pack_tcoords = m_T.Count() == n;
  int kept = 0;
  for (int i = 0; i < n; ++i) {
    if (new_index[i] < 0) continue;
    m_dV[kept] = m_dV[i];
    if (pack_normals) m_N[kept] = m_N[i];
    if (pack_tcoords) m_T[kept] = m_T[i];
    ++kept;
  }
  m_dV.SetCount(kept);
  if (pack_normals) m_N.SetCount(kept);
  if (pack_tcoords) m_T.SetCount(kept);
  for (int f = 0; f < m_F.Count(); ++f) {
    for (int& v : m_F[f].vi) {
      assert(v >= 0 && v < n && "faces are index-valid after culling degenerate faces");
      v = new_index[v];
    }
  }
}

int ON_Mesh::CullUnusedVertices() {
  CullDegenerateFaces();
  const int n = VertexCount();
  ON_SimpleArray<int> new_index(n);
  for (int i = 0; i < n; ++i) new_index.Append(-1);
  for (int f = 0; f < m_F.Count(); ++f) {
    for (int v : m_F[f].vi) {
      if (v >= 0 && v < n) new_index[v] = 0;
    }
  }
  int used = 0;
  for (int i = 0; i < n; ++i) {
    if (new_index[i] == 0) new_index[i] = used++;
  }
  if (used == 0) {
    Destroy();
    return n;
  }
  if (used == n) return 0;
  DestroyTopology();
  PackVertices(new_index);
  return n - used;
}

bool ON_Mesh::Compact() {
  CullUnusedVertices();
  m_dV.Shrink();
  m_F.Shrink();
  m_N.Shrink();
  m_T.Shrink();
  return true;
}

bool ON_Mesh::Append(const ON_Mesh& other) {
  if (&other == this) {
    const ON_Mesh copy(other);
    return Append(copy);
  }
  DestroyTopology();
  const int n0 = VertexCount();
  const bool keep_normals =
      n0 == 0 ? other.HasVertexNormals() : (HasVertexNormals() && other.HasVertexNormals());
  const bool keep_tcoords = n0 == 0 ? other.HasTextureCoordinates()
                                    : (HasTextureCoordinates() && other.HasTextureCoordinates());
  m_dV.Append(other.m_dV.Count(), other.m_dV.Array());
  if (keep_normals) {
    m_N.Append(other.m_N.Count(), other.m_N.Array());
  } else {
    m_N.Destroy();
  }
  if (keep_tcoords) {
    m_T.Append(other.m_T.Count(), other.m_T.Array());
  } else {
    m_T.Destroy();
  }
  for (int f = 0; f < other.m_F.Count(); ++f) {
    ON_MeshFace face = other.m_F[f];
    for (int& v : face.vi) v += n0;
    m_F.Append(face);
  }
  return true;
}

void ON_Mesh::Destroy() {
  m_dV.Destroy();
  m_F.Destroy();
  m_N.Destroy();
  m_T.Destroy();
  DestroyTopology();
}

bool ON_Mesh::IsValid() const {
  const int n = VertexCount();
  if (FaceCount() < 1 || n < 3) return false;
  if (m_N.Count() != 0 && m_N.Count() != n) return false;
  if (m_T.Count() != 0 && m_T.Count() != n) return false;
  for (int f = 0; f < FaceCount(); ++f) {
    if (!m_F[f].IsValid(n)) return false;
  }
  for (int i = 0; i < m_N.Count(); ++i) {
    const float l2 = m_N[i].LengthSquared();
    if (!(l2 >= 0.985f && l2 <= 1.015f)) return false;
  }
  return true;
}

const ON_MeshTopology& ON_Mesh::Topology() const {
  if (!m_top.m_valid) m_top.Build(*this);
  return m_top;
}

void ON_Mesh::DestroyTopology() { m_top.Destroy(); }
