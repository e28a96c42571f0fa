#include "core/logic/Table3D.h"

#include <algorithm>

void Table3D::redim(int n1, int n2, int n3)
{
    if (n1 < 0 || n2 < 0 || n3 < 0) {
        n1_ = n2_ = n3_ = -1;
        data_.clear();
        return;
    }
    n1_ = n1;
    n2_ = n2;
    n3_ = n3;
    data_.assign(size_t(n1 + 1) * size_t(n2 + 1) * size_t(n3 + 1), QString());
}

QString Table3D::value(int i, int j, int k) const
{
    return contains(i, j, k) ? data_[size_t(at(i, j, k))] : QString();
}

QString &Table3D::operator()(int i, int j, int k)
{
    Q_ASSERT(contains(i, j, k));
    return data_[size_t(at(i, j, k))];
}

namespace Globsubs {

void ReDimPreserve3D(Table3D &arr, int n1, int n2, int n3)
{
    Table3D old = std::move(arr);
    arr = Table3D();
    arr.redim(n1, n2, n3);
    const int m1 = std::min(n1, old.bound1());
    const int m2 = std::min(n2, old.bound2());
    const int m3 = std::min(n3, old.bound3());
    for (int k = 1; k <= m3; ++k)
        for (int j = 1; j <= m2; ++j)
            for (int i = 1; i <= m1; ++i)
                arr(i, j, k) = std::move(old(i, j, k));
}

} // namespace Globsubs
