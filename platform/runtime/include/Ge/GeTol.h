// OdGeTol: the tolerances of geometric comparisons (absolute, in drawing units).
#pragma once

class OdGeTol {
 public:
  constexpr explicit OdGeTol(double equalPoint = 1e-10, double equalVector = 1e-10)
      : m_equalPoint(equalPoint), m_equalVector(equalVector) {}
  double equalPoint() const { return m_equalPoint; }
  double equalVector() const { return m_equalVector; }
  void setEqualPoint(double tol) { m_equalPoint = tol; }
  void setEqualVector(double tol) { m_equalVector = tol; }

 private:
  double m_equalPoint;
  double m_equalVector;
};
