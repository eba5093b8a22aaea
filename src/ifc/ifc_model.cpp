// The IFC4 model of a batch of walls, written instance by instance into a STEP file.
#include "ifc/ifc_model.h"

#include "geometry/numbers.h"

#include <cmath>
#include <cstdint>

namespace murcad {

namespace {

constexpr double kSteelDensity = 7850.0; // kg/m3
constexpr double kPi = 3.14159265358979323846;
/// The foundation is drawn 5 cm wider than the wall on each face.
constexpr double kFootingOverhang = 5.0;

double m(double cm) { return cm / 100.0; }

std::uint64_t fnv1a(const std::string &s, std::uint64_t seed) {
    std::uint64_t h = 1469598103934665603ull ^ seed;
    for (unsigned char c : s) {
        h ^= c;
        h *= 1099511628211ull;
    }
    // Final mixing (splitmix64) so that keys differing in one character differ everywhere.
    h ^= h >> 30;
    h *= 0xbf58476d1ce4e5b9ull;
    h ^= h >> 27;
    h *= 0x94d049bb133111ebull;
    h ^= h >> 31;
    return h;
}

const char *roleName(BarRole r) {
    switch (r) {
    case BarRole::Main: return "MAIN";
    case BarRole::Shear: return "SHEAR";
    case BarRole::Ligature: return "LIGATURE";
    case BarRole::Anchoring: return "ANCHORING";
    }
    return "NOTDEFINED";
}

std::string levelText(double levelCm) {
    std::string v = formatNumber(static_cast<float>(levelCm), 1);
    return levelCm >= 0 ? "+" + v : v;
}

} // namespace

std::string ifcGlobalId(const std::string &key) {
    static const char kChars[] =
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";
    std::uint64_t hi = fnv1a(key, 0x9e3779b97f4a7c15ull);
    std::uint64_t lo = fnv1a(key, 0x243f6a8885a308d3ull);
    // A version-4 style UUID: the 128 bits as 22 digits of 6 bits, the first digit 2 bits.
    hi = (hi & ~0xF000ull) | 0x4000ull;
    lo = (lo & 0x3FFFFFFFFFFFFFFFull) | 0x8000000000000000ull;
    std::string id(22, '0');
    for (int i = 21; i >= 0; --i) {
        id[i] = kChars[lo & 63];
        lo = (lo >> 6) | (hi << 58);
        hi >>= 6;
    }
    return id;
}

namespace {
StepHeader headerOf(const IfcFileInfo &info) {
    StepHeader h;
    h.fileName = info.fileName;
    h.timeStamp = info.timeStamp;
    return h;
}
} // namespace

IfcModelBuilder::IfcModelBuilder(const IfcFileInfo &info)
    : out_(headerOf(info)), steelGrade_(info.steelGrade) {
    const std::string pkey = "murcad/" + info.projectName;
    origin_ = point(0, 0, 0);
    zAxis_ = out_.add("IFCDIRECTION", StepArgs().reals({0., 0., 1.}));
    xAxis_ = out_.add("IFCDIRECTION", StepArgs().reals({1., 0., 0.}));
    worldAxes_ = out_.add("IFCAXIS2PLACEMENT3D", StepArgs().ref(origin_).ref(zAxis_).ref(xAxis_));
    StepId north = out_.add("IFCDIRECTION", StepArgs().reals({0., 1.}));
    StepId context = out_.add("IFCGEOMETRICREPRESENTATIONCONTEXT",
                              StepArgs().unset().str("Model").integer(3).real(1e-5)
                                  .ref(worldAxes_).ref(north));
    body_ = out_.add("IFCGEOMETRICREPRESENTATIONSUBCONTEXT",
                     StepArgs().str("Body").str("Model").derived().derived().derived().derived()
                         .ref(context).unset().enumeration("MODEL_VIEW").unset());

    // Lengths in metres, areas, volumes, angles and masses in their SI units.
    auto si = [&](const char *type, const char *prefix, const char *name) {
        StepArgs a;
        a.derived().enumeration(type);
        if (prefix)
            a.enumeration(prefix);
        else
            a.unset();
        a.enumeration(name);
        return out_.add("IFCSIUNIT", a);
    };
    std::vector<StepId> units = {si("LENGTHUNIT", nullptr, "METRE"),
                                 si("AREAUNIT", nullptr, "SQUARE_METRE"),
                                 si("VOLUMEUNIT", nullptr, "CUBIC_METRE"),
                                 si("PLANEANGLEUNIT", nullptr, "RADIAN"),
                                 si("MASSUNIT", "KILO", "GRAM")};
    StepId unitAssignment = out_.add("IFCUNITASSIGNMENT", StepArgs().refs(units));
    project_ = out_.add("IFCPROJECT", StepArgs()
                                          .str(ifcGlobalId(pkey))
                                          .unset()
                                          .str(info.projectName)
                                          .unset().unset().unset().unset()
                                          .refs({context})
                                          .ref(unitAssignment));

    StepId sitePlacement = placement(0, 0, 0, 0);
    site_ = out_.add("IFCSITE", StepArgs()
                                    .str(ifcGlobalId(pkey + "/site"))
                                    .unset().str("Sito").unset().unset()
                                    .ref(sitePlacement)
                                    .unset().unset()
                                    .enumeration("ELEMENT")
                                    .unset().unset().unset().unset().unset());
    buildingPlacement_ = placement(sitePlacement, 0, 0, 0);
    building_ = out_.add("IFCBUILDING", StepArgs()
                                            .str(ifcGlobalId(pkey + "/building"))
                                            .unset().str("Edificio").unset().unset()
                                            .ref(buildingPlacement_)
                                            .unset().unset()
                                            .enumeration("ELEMENT")
                                            .unset().unset().unset());
    relate(pkey + "/project-site", "IFCRELAGGREGATES", project_, {site_});
    relate(pkey + "/site-building", "IFCRELAGGREGATES", site_, {building_});
    StepId concrete = out_.add("IFCMATERIAL",
                               StepArgs().str("Calcestruzzo").unset().str("Concrete"));
    StepId steel = out_.add("IFCMATERIAL", StepArgs()
                                               .str("Acciaio " + steelGrade_)
                                               .unset()
                                               .str("Steel"));
    concreteMaterial_ = concrete;
    steelMaterial_ = steel;
}

StepId IfcModelBuilder::point(double x, double y, double z) {
    return out_.add("IFCCARTESIANPOINT", StepArgs().reals({x, y, z}));
}

StepId IfcModelBuilder::placement(StepId relTo, double x, double y, double z) {
    StepId p = (x == 0 && y == 0 && z == 0 && origin_ != 0) ? origin_ : point(x, y, z);
    StepId axes = out_.add("IFCAXIS2PLACEMENT3D", StepArgs().ref(p).unset().unset());
    return out_.add("IFCLOCALPLACEMENT", StepArgs().ref(relTo).ref(axes));
}

void IfcModelBuilder::relate(const std::string &key, const char *type, StepId relating,
                             const std::vector<StepId> &related) {
    out_.add(type, StepArgs()
                       .str(ifcGlobalId(key))
                       .unset().unset().unset()
                       .ref(relating)
                       .refs(related));
}

IfcModelBuilder::StoreyEntry &IfcModelBuilder::storeyAt(double level) {
    long long k = std::llround(level * 100.0);
    auto it = storeys_.find(k);
    if (it != storeys_.end())
        return it->second;
    StoreyEntry e;
    e.level = static_cast<double>(k) / 100.0;
    e.placement = placement(buildingPlacement_, 0, 0, m(e.level));
    e.storey = out_.add("IFCBUILDINGSTOREY",
                        StepArgs()
                            .str(ifcGlobalId("murcad/storey/" + std::to_string(k)))
                            .unset()
                            .str("Quota " + levelText(e.level))
                            .unset().unset()
                            .ref(e.placement)
                            .unset().unset()
                            .enumeration("ELEMENT")
                            .real(m(e.level)));
    ++counts_.storeys;
    return storeys_.emplace(k, e).first->second;
}

StepId IfcModelBuilder::box(double cx, double width, double thickness, double height) {
    StepId centre = out_.add("IFCCARTESIANPOINT", StepArgs().reals({m(cx), 0.}));
    StepId pos2 = out_.add("IFCAXIS2PLACEMENT2D", StepArgs().ref(centre).unset());
    StepId profile = out_.add("IFCRECTANGLEPROFILEDEF", StepArgs()
                                                            .enumeration("AREA")
                                                            .unset()
                                                            .ref(pos2)
                                                            .real(m(width))
                                                            .real(m(thickness)));
    StepId solid = out_.add("IFCEXTRUDEDAREASOLID",
                            StepArgs().ref(profile).ref(worldAxes_).ref(zAxis_).real(m(height)));
    StepId rep = out_.add("IFCSHAPEREPRESENTATION",
                          StepArgs().ref(body_).str("Body").str("SweptSolid").refs({solid}));
    return out_.add("IFCPRODUCTDEFINITIONSHAPE", StepArgs().unset().unset().refs({rep}));
}

StepId IfcModelBuilder::quantities(const std::string &key, const char *setName, double length,
                                   double width, double height) {
    auto quantity = [&](const char *type, const char *name, double v) {
        return out_.add(type, StepArgs().str(name).unset().unset().real(v).unset());
    };
    std::vector<StepId> q = {
        quantity("IFCQUANTITYLENGTH", "Length", m(length)),
        quantity("IFCQUANTITYLENGTH", "Width", m(width)),
        quantity("IFCQUANTITYLENGTH", "Height", m(height)),
        quantity("IFCQUANTITYVOLUME", "GrossVolume", m(length) * m(width) * m(height)),
        quantity("IFCQUANTITYVOLUME", "NetVolume", m(length) * m(width) * m(height))};
    StepId set = out_.add("IFCELEMENTQUANTITY", StepArgs()
                                                    .str(ifcGlobalId(key + "/qto"))
                                                    .unset()
                                                    .str(setName)
                                                    .unset().unset()
                                                    .refs(q));
    return set;
}

void IfcModelBuilder::addWall(const Wall &wall, double originX, const std::string &wallKey,
                              const std::vector<BarGroup> &groups) {
    int seen = keysSeen_[wallKey]++;
    const std::string key = seen == 0 ? wallKey : wallKey + "#" + std::to_string(seen);
    const std::string title = "Parete n. " + std::to_string(wall.WallNumber);
    const double t = wall.Thickness;
    const int n = wall.storeyCount();

    // Host of each bar group: its element, its placement and the level of that placement.
    struct Host {
        StepId element = 0, placement = 0;
        double level = 0;
        std::vector<StepId> assemblies;
        std::string key;
    };
    std::vector<Host> hosts(n + 1); // [0] the foundation, [i + 1] storey i

    auto addQuantities = [&](StepId element, const std::string &k, const char *set, double len,
                             double width, double height) {
        StepId q = quantities(k, set, len, width, height);
        out_.add("IFCRELDEFINESBYPROPERTIES", StepArgs()
                                                  .str(ifcGlobalId(k + "/qto-rel"))
                                                  .unset().unset().unset()
                                                  .refs({element})
                                                  .ref(q));
    };

    for (int i = 0; i < n; ++i) {
        const Storey &s = wall.Storeys[i];
        double length = static_cast<double>(s.OffsetLeft) + s.Length + s.OffsetRight;
        double left = storeyEnds(s, StoreyExtent::WithOffsets).left;
        if (!(length > 0) || !(s.Height > 0) || !(t > 0))
            continue; // no concrete to show: a storey without length, height or thickness
        double bottom = wall.storeyBottom(i);
        StoreyEntry &st = storeyAt(bottom);
        Host &h = hosts[i + 1];
        h.key = key + "/piano/" + std::to_string(i + 1);
        h.level = st.level;
        h.placement = placement(st.placement, m(originX), 0, m(bottom - st.level));
        StepId shape = box(left + length / 2.0, length, t, s.Height);
        h.element = out_.add("IFCWALL", StepArgs()
                                            .str(ifcGlobalId(h.key))
                                            .unset()
                                            .str(title + " - Piano " + std::to_string(i + 1))
                                            .unset().unset()
                                            .ref(h.placement)
                                            .ref(shape)
                                            .str(std::to_string(wall.WallNumber))
                                            .enumeration("SHEAR"));
        st.elements.push_back(h.element);
        concreteElements_.push_back(h.element);
        addQuantities(h.element, h.key, "Qto_WallBaseQuantities", length, t, s.Height);
        ++counts_.walls;
    }

    if (n > 0 && wall.FoundationThickness > 0 && t > 0) {
        const Storey &s = wall.Storeys[0];
        double length = static_cast<double>(s.OffsetLeft) + s.Length + s.OffsetRight;
        double left = storeyEnds(s, StoreyExtent::WithOffsets).left;
        if (length > 0) {
            StoreyEntry &st = storeyAt(wall.BaseLevel);
            Host &h = hosts[0];
            h.key = key + "/fondazione";
            double bottom = wall.BaseLevel - wall.FoundationThickness;
            h.level = bottom;
            h.placement = placement(st.placement, m(originX), 0, m(bottom - st.level));
            double width = t + 2 * kFootingOverhang;
            StepId shape = box(left + length / 2.0, length, width, wall.FoundationThickness);
            h.element = out_.add("IFCFOOTING", StepArgs()
                                                   .str(ifcGlobalId(h.key))
                                                   .unset()
                                                   .str(title + " - Fondazione")
                                                   .unset().unset()
                                                   .ref(h.placement)
                                                   .ref(shape)
                                                   .str(std::to_string(wall.WallNumber))
                                                   .enumeration("STRIP_FOOTING"));
            st.elements.push_back(h.element);
            concreteElements_.push_back(h.element);
            addQuantities(h.element, h.key, "Qto_FootingBaseQuantities", length, width,
                          wall.FoundationThickness);
            ++counts_.footings;
        }
    }

    // Reinforcement: each group an assembly of its host, each bar a swept disk along its
    // centreline, in the host's placement.
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const BarGroup &grp = groups[g];
        if (grp.storey < -1 || grp.storey >= n || grp.bars.empty())
            continue;
        Host &h = hosts[grp.storey + 1];
        if (h.element == 0)
            continue; // no concrete to hold the bars
        const std::string gkey = h.key + "/" + grp.name + "/" + std::to_string(g);
        const std::string gname = title + (grp.storey < 0 ? " - Fondazione - "
                                                          : " - Piano " +
                                                                std::to_string(grp.storey + 1) +
                                                                " - ") +
                                  grp.name;
        StepId assembly = out_.add("IFCELEMENTASSEMBLY", StepArgs()
                                                             .str(ifcGlobalId(gkey))
                                                             .unset()
                                                             .str(gname)
                                                             .unset()
                                                             .str(grp.name)
                                                             .ref(h.placement)
                                                             .unset().unset()
                                                             .enumeration("SITE")
                                                             .enumeration("REINFORCEMENT_UNIT"));
        h.assemblies.push_back(assembly);

        const double d = grp.diameterMm / 1000.0;          // m
        const double area = kPi * d * d / 4.0;             // m2
        const double length = m(grp.cutLength);            // m
        std::vector<StepId> bars;
        bars.reserve(grp.bars.size());
        // Bars of one shape share it: each bar is placed at its first point, and the shape,
        // the centreline from there, is written once. Shapes are told apart by their points as
        // written (to the micrometre).
        std::map<std::string, StepId> shapes;
        std::string shapeKey;
        for (std::size_t b = 0; b < grp.bars.size(); ++b) {
            const auto &line = grp.bars[b];
            if (line.size() < 2)
                continue;
            const BarPoint &o = line.front();
            shapeKey.clear();
            for (const BarPoint &p : line) {
                formatStepReal(m(p.x - o.x), shapeKey);
                shapeKey += ',';
                formatStepReal(m(p.y - o.y), shapeKey);
                shapeKey += ',';
                formatStepReal(m(p.z - o.z), shapeKey);
                shapeKey += ';';
            }
            StepId &shape = shapes[shapeKey];
            if (shape == 0) {
                std::vector<StepId> pts;
                pts.reserve(line.size());
                for (const BarPoint &p : line)
                    pts.push_back(point(m(p.x - o.x), m(p.y - o.y), m(p.z - o.z)));
                StepId poly = out_.add("IFCPOLYLINE", StepArgs().refs(pts));
                StepId solid = out_.add("IFCSWEPTDISKSOLID", StepArgs()
                                                                 .ref(poly)
                                                                 .real(d / 2.0)
                                                                 .unset().unset().unset());
                StepId rep = out_.add("IFCSHAPEREPRESENTATION", StepArgs()
                                                                    .ref(body_)
                                                                    .str("Body")
                                                                    .str("AdvancedSweptSolid")
                                                                    .refs({solid}));
                shape = out_.add("IFCPRODUCTDEFINITIONSHAPE",
                                 StepArgs().unset().unset().refs({rep}));
            }
            StepId at = placement(h.placement, m(o.x), m(o.y), m(o.z - h.level));
            StepId bar = out_.add("IFCREINFORCINGBAR", StepArgs()
                                                           .str(ifcGlobalId(gkey + "/" +
                                                                            std::to_string(b)))
                                                           .unset()
                                                           .str(grp.name)
                                                           .unset()
                                                           .unset()
                                                           .ref(at)
                                                           .ref(shape)
                                                           .unset()
                                                           .str(steelGrade_)
                                                           .real(d)
                                                           .exactReal(area)
                                                           .real(length)
                                                           .enumeration(roleName(grp.role))
                                                           .enumeration("TEXTURED"));
            bars.push_back(bar);
            counts_.steelKg += length * area * kSteelDensity;
        }
        if (bars.empty())
            continue;
        counts_.bars += static_cast<int>(bars.size());
        relate(gkey + "/bars", "IFCRELAGGREGATES", assembly, bars);
        out_.add("IFCRELASSOCIATESMATERIAL", StepArgs()
                                                 .str(ifcGlobalId(gkey + "/steel"))
                                                 .unset().unset().unset()
                                                 .refs(bars)
                                                 .ref(steelMaterial_));
    }
    for (Host &h : hosts)
        if (!h.assemblies.empty())
            relate(h.key + "/assemblies", "IFCRELAGGREGATES", h.element, h.assemblies);
}

std::string IfcModelBuilder::finish() {
    std::vector<StepId> storeys;
    for (auto &[k, st] : storeys_) {
        storeys.push_back(st.storey);
        if (st.elements.empty())
            continue;
        out_.add("IFCRELCONTAINEDINSPATIALSTRUCTURE",
                 StepArgs()
                     .str(ifcGlobalId("murcad/storey/" + std::to_string(k) + "/contains"))
                     .unset().unset().unset()
                     .refs(st.elements)
                     .ref(st.storey));
    }
    if (!storeys.empty())
        relate("murcad/building/storeys", "IFCRELAGGREGATES", building_, storeys);
    if (!concreteElements_.empty())
        out_.add("IFCRELASSOCIATESMATERIAL", StepArgs()
                                                 .str(ifcGlobalId("murcad/concrete"))
                                                 .unset().unset().unset()
                                                 .refs(concreteElements_)
                                                 .ref(concreteMaterial_));
    return out_.finish();
}

} // namespace murcad
