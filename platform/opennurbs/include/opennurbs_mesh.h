// ON_Mesh (vertices, triangle and quad faces, optional vertex normals and texture coordinates),
// ON_MeshFace, and the mesh topology ON_MeshTopology with its vertex, edge and face records.
//
// Vertices are stored in double precision and never narrowed: survey coordinates in the
// millions keep every digit. Two vertices are at the same location when their three doubles
// compare equal (+0 equals -0; a NaN coordinate matches nothing). Single-precision access
// exists only for a caller that asks for it (FloatVertex).
#pragma once

#include "opennurbs_array.h"
#include "opennurbs_point.h"

// Four vertex indices; a triangle repeats its third index: vi[2] == vi[3].
struct ON_MeshFace {
  int vi[4] = {0, 0, 0, 0};

  bool IsTriangle() const;  // vi[2] == vi[3]
  bool IsQuad() const;      // vi[2] != vi[3]
  // All indices in [0, mesh_vertex_count), the first three distinct, and vi[3] equal to vi[2]
  // or distinct from vi[0] and vi[1].
  bool IsValid(int mesh_vertex_count) const;
};

class ON_Mesh;

// A distinct vertex location: the mesh vertices m_vi[0 .. m_v_count-1] (ascending mesh index)
// and the edges m_topei[0 .. m_tope_count-1] that meet there.
struct ON_MeshTopologyVertex {
  int m_v_count = 0;
  const int* m_vi = nullptr;
  int m_tope_count = 0;
  const int* m_topei = nullptr;
};

// An edge between two distinct topological vertices and the faces m_topfi that use it.
struct ON_MeshTopologyEdge {
  int m_topvi[2] = {-1, -1};
  int m_topf_count = 0;
  const int* m_topfi = nullptr;
};

// The edges of one mesh face (slot 3 repeats slot 2 for a triangle); m_reve[k] is true when
// the face runs along edge k against the edge's direction. A face with a side whose two ends
// share one location gets no edges: all four slots are 0.
struct ON_MeshTopologyFace {
  int m_topei[4] = {0, 0, 0, 0};
  bool m_reve[4] = {false, false, false, false};

  bool IsTriangle() const;
  bool IsQuad() const;
};

// Topology of a mesh: its distinct vertex locations listed in ascending order of x, then y,
// then z (a NaN coordinate sorts before every number; mesh vertices at one location are kept in
// ascending index order), the edges between them and each face's edges. Built on demand by
// ON_Mesh::Topology(); not copyable, since its records point into storage it owns.
class ON_MeshTopology {
 public:
  const ON_Mesh* m_mesh = nullptr;
  ON_SimpleArray<int> m_topv_map;  // mesh vertex index -> topological vertex index
  ON_SimpleArray<ON_MeshTopologyVertex> m_topv;
  ON_SimpleArray<ON_MeshTopologyEdge> m_tope;
  ON_SimpleArray<ON_MeshTopologyFace> m_topf;

  ON_MeshTopology() = default;
  ON_MeshTopology(const ON_MeshTopology&) = delete;
  ON_MeshTopology& operator=(const ON_MeshTopology&) = delete;

  int TopVertexCount() const;
  int TopEdgeCount() const;
  int TopFaceCount() const;
  // The double location of topological vertex k (that of its first mesh vertex).
  ON_3dPoint TopVertexPoint(int k) const;
  // The same narrowed to float, for a caller that wants single precision.
  ON_3fPoint TopVertexFloatPoint(int k) const;

  // Built, owned by its mesh and consistent: every mesh vertex mapped once to a group at its
  // location, every edge between two different groups and listed by both, every edge's faces
  // listing that edge, every face's edges matching its corners. A face that could not get
  // edges is accepted, but edges that still list it are not, so a quad with a zero-length side
  // makes the topology invalid.
  bool IsValid() const;
  void Destroy();

 private:
  friend class ON_Mesh;
  void Build(const ON_Mesh& mesh);
  void BuildVertices(const ON_Mesh& mesh);
  void BuildEdges(const ON_Mesh& mesh);
  void ListVertexEdges();
  void LinkRecords();
  bool VerticesAreConsistent() const;
  bool EdgesAreConsistent() const;
  bool FacesAreConsistent() const;
  bool FaceMatchesCorners(int f) const;

  bool m_valid = false;
  // Storage that the records' pointers point into: one block each, the lists of one vertex or
  // edge side by side (a list per record would cost an allocation per vertex and per edge).
  ON_SimpleArray<int> m_vi_store;
  ON_SimpleArray<int> m_topei_store;      // each vertex's edges, ascending edge index
  ON_SimpleArray<int> m_topv_edge_start;  // where vertex k's edges start in m_topei_store
  ON_SimpleArray<int> m_topfi_store;      // each edge's faces
  ON_SimpleArray<int> m_tope_face_start;  // where edge e's faces start in m_topfi_store
};

class ON_Mesh {
 public:
  ON_3dPointArray m_dV;             // vertex locations, double precision
  ON_SimpleArray<ON_MeshFace> m_F;  // faces
  ON_SimpleArray<ON_3fVector> m_N;  // vertex normals: none, or one per vertex
  ON_SimpleArray<ON_2fPoint> m_T;   // texture coordinates: none, or one per vertex

  ON_Mesh();
  // Reserves capacity only (normals and texture coordinates when asked); all counts are 0.
  ON_Mesh(int face_capacity, int vertex_capacity, bool has_vertex_normals,
          bool has_texture_coordinates);
  // Copies vertices, faces and per-vertex data; the copy builds its own topology when asked.
  ON_Mesh(const ON_Mesh& other);
  ON_Mesh& operator=(const ON_Mesh& other);
  virtual ~ON_Mesh();

  int VertexCount() const;
  int FaceCount() const;
  int QuadCount() const;
  int TriangleCount() const;
  bool HasVertexNormals() const;       // one normal per vertex
  bool HasTextureCoordinates() const;  // one pair per vertex

  ON_3dPoint Vertex(int i) const;       // asserts 0 <= i < VertexCount()
  ON_3fPoint FloatVertex(int i) const;  // Vertex(i) narrowed to float
  // Overwrites vertex i (0 <= i < VertexCount()) or appends it (i == VertexCount()); other i
  // returns false and changes nothing. Keeps the double as given. Like the platform, this does
  // not refresh a topology built earlier.
  bool SetVertex(int i, const ON_3dPoint& point);
  bool SetVertex(int i, const ON_3fPoint& point);  // widened exactly
  // Stores face f (overwrite for 0 <= f < FaceCount(), append for f == FaceCount()) even when
  // it is invalid; returns whether it is valid for the current vertex count. Out-of-range f
  // returns false and stores nothing.
  bool SetQuad(int f, int a, int b, int c, int d);
  bool SetTriangle(int f, int a, int b, int c);  // SetQuad(f, a, b, c, c)

  // Repairs or removes faces that are degenerate once each index is replaced by its location
  // (two corners at one place, or indices out of range): adjacent equal corners turn a quad
  // into a triangle keeping the other three indices in order, a quad with equal corners 2 and 3
  // stays a quad, diagonal equal corners remove it. Returns the number of degenerate faces
  // (repaired + removed). Changes drop the topology.
  int CullDegenerateFaces();
  // Culls degenerate faces first, then removes vertices no face uses, keeping the order of the
  // rest and renumbering the faces. A mesh where no vertex is used is destroyed entirely.
  // Returns the number of vertices removed.
  int CullUnusedVertices();
  // CullUnusedVertices, then shrinks every array to its count. Always true.
  bool Compact();
  // Appends other's vertices and faces (indices offset, not validated). Normals and texture
  // coordinates survive only when both meshes have them (or this mesh was empty). Drops the
  // topology. Appending a mesh to itself appends a copy of it.
  bool Append(const ON_Mesh& other);
  void Destroy();  // removes everything

  // At least one face and three vertices, per-vertex arrays empty or one per vertex, every face
  // valid by index, every vertex normal of squared length (in float) within [0.985, 1.015].
  // Vertex coordinates are not examined (a NaN vertex does not make the mesh invalid).
  bool IsValid() const;

  // The topology, built now if the cached one is not valid. SetVertex and SetQuad do not
  // invalidate it; Append, the culls (when they change something) and Destroy do.
  const ON_MeshTopology& Topology() const;
  void DestroyTopology();

 private:
  friend class ON_MeshTopology;
  void CopyFrom(const ON_Mesh& other);
  bool RepairDegenerateFace(int f, const ON_SimpleArray<int>& point_id, int point_count,
                            bool& drop);
  void RemoveFaces(const ON_SimpleArray<bool>& remove);
  void PackVertices(const ON_SimpleArray<int>& new_index);

  // A member, not a pointer: a reference from Topology() stays valid for the mesh's lifetime
  // (it may become empty or stale, but never dangles).
  mutable ON_MeshTopology m_top;
};
