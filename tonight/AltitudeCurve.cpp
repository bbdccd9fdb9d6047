#include "tonight/AltitudeCurve.h"

#include <algorithm>
#include <cmath>

namespace vantorel {

std::vector<TimeInterval> intersect(const std::vector<TimeInterval>& a,
                                    const std::vector<TimeInterval>& b) {
    std::vector<TimeInterval> out;
    size_t i = 0, k = 0;
    while (i < a.size() && k < b.size()) {
        const double begin = std::max(a[i].begin, b[k].begin);
        const double end = std::min(a[i].end, b[k].end);
        if (end > begin) out.push_back({begin, end});
        if (a[i].end < b[k].end)
            ++i;
        else
            ++k;
    }
    return out;
}

AltitudeCurve::AltitudeCurve(AltitudeFunction altitude, double fromJd, double toJd,
                             double stepDays)
    : altitude_(std::move(altitude)) {
    if (!(toJd > fromJd)) toJd = fromJd;
    if (!(stepDays > 0)) stepDays = kDefaultStepDays;
    const long steps = std::max(1L, static_cast<long>(std::ceil((toJd - fromJd) / stepDays)));
    samples_.reserve(static_cast<size_t>(steps) + 1);
    for (long i = 0; i <= steps; ++i) {
        const double jd = i == steps ? toJd : fromJd + static_cast<double>(i) * stepDays;
        samples_.push_back({jd, at(jd)});
    }
}

double AltitudeCurve::at(double jd) const {
    ++evaluations_;
    return altitude_(jd);
}

// False position with the Illinois change: the end kept twice in a row has
// its value halved, so the bracket shrinks from both sides.
double AltitudeCurve::refineCrossing(Sample lo, Sample hi, double levelDeg) const {
    double ga = lo.value - levelDeg, gb = hi.value - levelDeg;
    double a = lo.jd, b = hi.jd;
    int side = 0;
    for (int i = 0; i < 60 && b - a > kToleranceDays; ++i) {
        double c = (a * gb - b * ga) / (gb - ga);
        if (!(c > a && c < b)) c = 0.5 * (a + b);
        const double gc = at(c) - levelDeg;
        if ((gc < 0) == (ga < 0)) {
            a = c;
            ga = gc;
            if (side == -1) gb *= 0.5;
            side = -1;
        } else {
            b = c;
            gb = gc;
            if (side == 1) ga *= 0.5;
            side = 1;
        }
        if (gc == 0) return c;
    }
    return std::fabs(ga) < std::fabs(gb) ? a : b;
}

std::vector<LevelCrossing> AltitudeCurve::crossings(double levelDeg) const {
    std::vector<LevelCrossing> out;
    for (size_t i = 1; i < samples_.size(); ++i) {
        const Sample& a = samples_[i - 1];
        const Sample& b = samples_[i];
        const bool aboveA = a.value >= levelDeg, aboveB = b.value >= levelDeg;
        if (aboveA == aboveB) continue;
        out.push_back({refineCrossing(a, b, levelDeg), aboveB});
    }
    return out;
}

std::vector<TimeInterval> AltitudeCurve::sideOf(double levelDeg, bool wantAbove) const {
    std::vector<TimeInterval> out;
    bool inside = (samples_.front().value >= levelDeg) == wantAbove;
    double begin = from();
    for (const LevelCrossing& c : crossings(levelDeg)) {
        const bool enters = c.rising == wantAbove;
        if (enters && !inside) {
            begin = c.jd;
            inside = true;
        } else if (!enters && inside) {
            if (c.jd > begin) out.push_back({begin, c.jd});
            inside = false;
        }
    }
    if (inside && to() > begin) out.push_back({begin, to()});
    return out;
}

std::vector<TimeInterval> AltitudeCurve::above(double levelDeg) const {
    return sideOf(levelDeg, true);
}

std::vector<TimeInterval> AltitudeCurve::below(double levelDeg) const {
    return sideOf(levelDeg, false);
}

Culmination AltitudeCurve::refineMaximum(double a, double b) const {
    const double r = (std::sqrt(5.0) - 1) / 2;
    double x1 = b - r * (b - a), x2 = a + r * (b - a);
    double f1 = at(x1), f2 = at(x2);
    for (int i = 0; i < 80 && b - a > kToleranceDays; ++i) {
        if (f1 < f2) {
            a = x1;
            x1 = x2;
            f1 = f2;
            x2 = a + r * (b - a);
            f2 = at(x2);
        } else {
            b = x2;
            x2 = x1;
            f2 = f1;
            x1 = b - r * (b - a);
            f1 = at(x1);
        }
    }
    return f1 > f2 ? Culmination{x1, f1} : Culmination{x2, f2};
}

std::vector<Culmination> AltitudeCurve::culminations() const {
    std::vector<Culmination> out;
    const size_t n = samples_.size();
    if (n < 2) return out;
    auto interior = [&](const Culmination& c) {
        return c.jd > from() + kToleranceDays * 2 && c.jd < to() - kToleranceDays * 2;
    };
    // A culmination between the first two samples or the last two is only
    // seen by looking: the samples there fall away from it on one side only.
    if (samples_[0].value > samples_[1].value) {
        const Culmination c = refineMaximum(samples_[0].jd, samples_[1].jd);
        if (interior(c) && c.altitudeDeg > samples_[0].value) out.push_back(c);
    }
    for (size_t i = 1; i + 1 < n; ++i) {
        if (samples_[i].value >= samples_[i - 1].value && samples_[i].value > samples_[i + 1].value) {
            const Culmination c = refineMaximum(samples_[i - 1].jd, samples_[i + 1].jd);
            if (interior(c)) out.push_back(c);
        }
    }
    if (samples_[n - 1].value > samples_[n - 2].value) {
        const Culmination c = refineMaximum(samples_[n - 2].jd, samples_[n - 1].jd);
        if (interior(c) && c.altitudeDeg > samples_[n - 1].value) out.push_back(c);
    }
    return out;
}

Culmination AltitudeCurve::highest(double a, double b) const {
    a = std::max(a, from());
    b = std::min(b, to());
    if (b < a) b = a;
    Culmination best{a, at(a)};
    const double atEnd = at(b);
    if (atEnd > best.altitudeDeg) best = {b, atEnd};
    // The samples inside [a, b] bracket any culmination there.
    std::vector<Sample> inside{{a, best.jd == a ? best.altitudeDeg : at(a)}};
    for (const Sample& s : samples_)
        if (s.jd > a && s.jd < b) inside.push_back(s);
    inside.push_back({b, atEnd});
    for (size_t i = 1; i + 1 < inside.size(); ++i) {
        if (inside[i].value >= inside[i - 1].value && inside[i].value > inside[i + 1].value) {
            const Culmination c = refineMaximum(inside[i - 1].jd, inside[i + 1].jd);
            if (c.altitudeDeg > best.altitudeDeg) best = c;
        }
    }
    // Next to either end the samples cannot show a culmination that falls
    // between the end and the first sample: it is looked for there.
    const size_t last = inside.size() - 1;
    if (b > a && last == 1) {
        const Culmination c = refineMaximum(a, b);
        if (c.altitudeDeg > best.altitudeDeg) best = c;
    } else if (b > a) {
        if (inside[0].value >= inside[1].value) {
            const Culmination c = refineMaximum(inside[0].jd, inside[1].jd);
            if (c.altitudeDeg > best.altitudeDeg) best = c;
        }
        if (inside[last].value >= inside[last - 1].value) {
            const Culmination c = refineMaximum(inside[last - 1].jd, inside[last].jd);
            if (c.altitudeDeg > best.altitudeDeg) best = c;
        }
    }
    return best;
}

double AltitudeCurve::minimum() const {  // of the samples
    double m = samples_.front().value;
    for (const Sample& s : samples_) m = std::min(m, s.value);
    return m;
}

double AltitudeCurve::maximum() const {
    double m = samples_.front().value;
    for (const Sample& s : samples_) m = std::max(m, s.value);
    return m;
}

}  // namespace vantorel
