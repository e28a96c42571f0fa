#pragma once
// A three-dimensional table of texts that can be resized without losing its
// contents (the alternates' copies of sub-area and reach records: field,
// alternate, record). Indexes run from 0 to each bound; the users index from 1.
#include <QString>
#include <vector>

class Table3D
{
public:
    Table3D() = default;
    Table3D(int n1, int n2, int n3) { redim(n1, n2, n3); }

    int bound1() const { return n1_; }
    int bound2() const { return n2_; }
    int bound3() const { return n3_; }

    // Makes the table anew with bounds 0..n1, 0..n2, 0..n3, all values empty.
    void redim(int n1, int n2, int n3);

    // Value at (i, j, k); an index outside the bounds reads as empty.
    QString value(int i, int j, int k) const;
    // Writable value; the indexes must lie within the bounds.
    QString &operator()(int i, int j, int k);
    bool contains(int i, int j, int k) const
    {
        return i >= 0 && j >= 0 && k >= 0 && i <= n1_ && j <= n2_ && k <= n3_;
    }

private:
    qsizetype at(int i, int j, int k) const
    {
        return (qsizetype(k) * (n2_ + 1) + j) * (n1_ + 1) + i;
    }
    int n1_ = -1, n2_ = -1, n3_ = -1;
    std::vector<QString> data_;
};

namespace Globsubs {

// Resizes `arr` to bounds 0..n1, 0..n2, 0..n3. Every value whose indexes are
// each 1 or more and within the new bounds keeps its place; the rest is lost.
// Negative bounds give an empty table.
void ReDimPreserve3D(Table3D &arr, int n1, int n2, int n3);

} // namespace Globsubs
