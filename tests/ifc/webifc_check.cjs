// Reads an IFC file with web-ifc, an independent reader, and checks it against the bill of
// materials of the same walls (murcad-cli computo --json): schema, one IfcReinforcingBar per
// counted bar, a mesh for every element, the steel weight within 2 %, every bar inside the
// concrete. Usage: node webifc_check.cjs WEB_IFC_DIR FILE.ifc TAKEOFF.json [FILE.ifc TAKEOFF.json]...
// Prints one JSON line per file with what it measured; exits 1 with the failures on stderr.
'use strict';
const fs = require('fs');
const path = require('path');

const [webIfcDir, ...files] = process.argv.slice(2);
const WebIFC = require(path.resolve(webIfcDir, 'web-ifc-api-node.js'));

// The world vertices of an element's mesh as x, y, z triples (web-ifc gives y up: turned
// back to z up).
function meshVertices(api, modelID, mesh) {
    const parts = [];
    let triangles = 0, size = 0;
    for (let g = 0; g < mesh.geometries.size(); ++g) {
        const pg = mesh.geometries.get(g);
        const geom = api.GetGeometry(modelID, pg.geometryExpressID);
        const v = api.GetVertexArray(geom.GetVertexData(), geom.GetVertexDataSize());
        triangles += geom.GetIndexDataSize() / 3;
        const m = pg.flatTransformation;
        const out = new Float64Array(v.length / 2);
        for (let i = 0, j = 0; i < v.length; i += 6, j += 3) {
            const x = v[i], y = v[i + 1], z = v[i + 2];
            out[j] = m[0] * x + m[4] * y + m[8] * z + m[12];
            out[j + 1] = -(m[2] * x + m[6] * y + m[10] * z + m[14]);
            out[j + 2] = m[1] * x + m[5] * y + m[9] * z + m[13];
        }
        parts.push(out);
        size += out.length;
        geom.delete();
    }
    const vertices = new Float64Array(size);
    let at = 0;
    for (const p of parts) {
        vertices.set(p, at);
        at += p.length;
    }
    return { vertices, triangles };
}

function box(vertices) {
    const b = { min: [Infinity, Infinity, Infinity], max: [-Infinity, -Infinity, -Infinity] };
    for (let i = 0; i < vertices.length; i += 3)
        for (let k = 0; k < 3; ++k) {
            b.min[k] = Math.min(b.min[k], vertices[i + k]);
            b.max[k] = Math.max(b.max[k], vertices[i + k]);
        }
    return b;
}

function check(api, ifcPath, takeoffPath) {
    const failures = [];
    const modelID = api.OpenModel(new Uint8Array(fs.readFileSync(ifcPath)));
    const schema = api.GetModelSchema(modelID);
    if (schema !== 'IFC4')
        failures.push(`schema ${schema}, atteso IFC4`);

    const takeoff = JSON.parse(fs.readFileSync(takeoffPath, 'utf8'));
    let countedBars = 0;
    for (const w of takeoff.Walls) {
        for (const t of w.Tables)
            for (const r of t.Rows)
                countedBars += r.Count;
        if (w.Diagonal)
            countedBars += w.Diagonal.Count;
    }

    const ids = (type) => {
        const v = api.GetLineIDsWithType(modelID, type);
        const a = [];
        for (let i = 0; i < v.size(); ++i)
            a.push(v.get(i));
        return a;
    };
    const barIds = ids(WebIFC.IFCREINFORCINGBAR);
    const concreteIds = ids(WebIFC.IFCWALL).concat(ids(WebIFC.IFCFOOTING));
    if (barIds.length !== countedBars)
        failures.push(`${barIds.length} IfcReinforcingBar, il computo conta ${countedBars} barre`);

    // Spatial structure: lengths in metres; every wall and footing in a storey; every bar in
    // an assembly of its wall or footing.
    const project = api.GetLine(modelID, ids(WebIFC.IFCPROJECT)[0], true);
    const metre = project.UnitsInContext.Units.some(
        (u) => u.UnitType && u.UnitType.value === 'LENGTHUNIT' && u.Name.value === 'METRE' &&
               !u.Prefix);
    if (!metre)
        failures.push('unità di lunghezza diversa dal metro');
    const parentOf = new Map();
    for (const rid of ids(WebIFC.IFCRELCONTAINEDINSPATIALSTRUCTURE)) {
        const rel = api.GetLine(modelID, rid);
        for (const e of rel.RelatedElements)
            parentOf.set(e.value, rel.RelatingStructure.value);
    }
    for (const rid of ids(WebIFC.IFCRELAGGREGATES)) {
        const rel = api.GetLine(modelID, rid);
        for (const e of rel.RelatedObjects)
            parentOf.set(e.value, rel.RelatingObject.value);
    }
    const typeOf = (id) => (id ? api.GetLineType(modelID, id) : 0);
    for (const id of concreteIds)
        if (typeOf(parentOf.get(id)) !== WebIFC.IFCBUILDINGSTOREY)
            failures.push(`elemento di calcestruzzo #${id} fuori da un piano dell'edificio`);
    let orphans = 0;
    for (const id of barIds) {
        const assembly = parentOf.get(id);
        const host = parentOf.get(assembly);
        if (typeOf(assembly) !== WebIFC.IFCELEMENTASSEMBLY ||
            (typeOf(host) !== WebIFC.IFCWALL && typeOf(host) !== WebIFC.IFCFOOTING))
            ++orphans;
    }
    if (orphans > 0)
        failures.push(`${orphans} barre non raggruppate sotto una parete o una fondazione`);

    // Steel weight from each bar's own attributes.
    let steelKg = 0;
    for (const id of barIds) {
        const bar = api.GetLine(modelID, id);
        const length = bar.BarLength ? bar.BarLength.value : NaN;
        const area = bar.CrossSectionArea ? bar.CrossSectionArea.value : NaN;
        if (!(length > 0) || !(area > 0))
            failures.push(`barra #${id} senza BarLength o CrossSectionArea`);
        else
            steelKg += length * area * 7850;
    }
    // Each bar's solid read back as an independent reader sees it: the length of the swept
    // disk's directrix against the bar's own BarLength (0.5 % at most).
    const directrixLength = new Map(); // per shared shape
    let barsOffLength = 0;
    for (const id of barIds) {
        const bar = api.GetLine(modelID, id);
        const shapeId = bar.Representation ? bar.Representation.value : 0;
        if (!directrixLength.has(shapeId)) {
            let len = NaN;
            const shape = shapeId ? api.GetLine(modelID, shapeId, true) : null;
            const item = shape && shape.Representations[0] && shape.Representations[0].Items[0];
            if (item && item.Directrix && item.Directrix.Points) {
                const pts = item.Directrix.Points.map((p) => p.Coordinates.map((c) => c.value));
                len = 0;
                for (let k = 1; k < pts.length; ++k)
                    len += Math.hypot(pts[k][0] - pts[k - 1][0], pts[k][1] - pts[k - 1][1],
                                      pts[k][2] - pts[k - 1][2]);
            }
            directrixLength.set(shapeId, len);
        }
        const len = directrixLength.get(shapeId);
        const declared = bar.BarLength ? bar.BarLength.value : NaN;
        if (!(Math.abs(len - declared) <= 0.005 * declared)) {
            if (barsOffLength < 5)
                failures.push(`barra #${id} "${bar.Name ? bar.Name.value : ''}": solido lungo ` +
                              `${len.toFixed(3)} m, BarLength ${declared.toFixed(3)} m`);
            ++barsOffLength;
        }
    }
    if (barsOffLength > 5)
        failures.push(`... ${barsOffLength} barre in tutto di lunghezza diversa dalla dichiarata`);

    const takeoffKg = takeoff.TotalSteel;
    const steelDiff = takeoffKg > 0 ? Math.abs(steelKg - takeoffKg) / takeoffKg : 0;
    if (steelDiff > 0.02)
        failures.push(`acciaio ${steelKg.toFixed(1)} kg, il computo ne conta ` +
                      `${takeoffKg.toFixed(1)} (${(steelDiff * 100).toFixed(2)} %)`);

    // Meshes: the concrete boxes, then every bar inside one of them.
    const meshes = new Map();
    api.StreamAllMeshes(modelID, (mesh) => {
        meshes.set(mesh.expressID, meshVertices(api, modelID, mesh));
    });
    const boxes = [];
    for (const id of concreteIds) {
        const m = meshes.get(id);
        if (!m || m.triangles === 0)
            failures.push(`elemento di calcestruzzo #${id} senza geometria`);
        else
            boxes.push(box(m.vertices));
    }
    const tol = 0.001; // 1 mm
    let last = 0; // the box that held the previous vertex: neighbours usually share it
    const inBox = (b, v, i) => v[i] >= b.min[0] - tol && v[i] <= b.max[0] + tol &&
        v[i + 1] >= b.min[1] - tol && v[i + 1] <= b.max[1] + tol &&
        v[i + 2] >= b.min[2] - tol && v[i + 2] <= b.max[2] + tol;
    const outsideAt = (v) => {
        for (let i = 0; i < v.length; i += 3) {
            if (boxes.length > 0 && inBox(boxes[last], v, i))
                continue;
            const k = boxes.findIndex((b) => inBox(b, v, i));
            if (k < 0)
                return i;
            last = k;
        }
        return -1;
    };
    let barsWithoutMesh = 0, barsOutside = 0, triangles = 0;
    for (const id of barIds) {
        const m = meshes.get(id);
        if (!m || m.triangles === 0) {
            ++barsWithoutMesh;
            continue;
        }
        triangles += m.triangles;
        const at = outsideAt(m.vertices);
        if (at >= 0) {
            if (barsOutside < 5) {
                const bar = api.GetLine(modelID, id);
                const p = Array.from(m.vertices.slice(at, at + 3)).map((c) => c.toFixed(3));
                failures.push(`barra #${id} "${bar.Name ? bar.Name.value : ''}" fuori dal ` +
                              `calcestruzzo nel punto (${p.join(', ')}) m`);
            }
            ++barsOutside;
        }
    }
    if (barsWithoutMesh > 0)
        failures.push(`${barsWithoutMesh} barre senza geometria`);
    if (barsOutside > 5)
        failures.push(`... ${barsOutside} barre in tutto fuori dal calcestruzzo`);
    api.CloseModel(modelID);

    console.log(JSON.stringify({ file: path.basename(ifcPath), schema, bars: barIds.length,
                                 countedBars, concrete: concreteIds.length, steelKg,
                                 takeoffKg, triangles }));
    return failures.map((f) => `${path.basename(ifcPath)}: ${f}`);
}

async function main() {
    const api = new WebIFC.IfcAPI();
    api.SetWasmPath(path.resolve(webIfcDir) + '/', true);
    await api.Init();
    let failures = [];
    for (let i = 0; i + 1 < files.length; i += 2)
        failures = failures.concat(check(api, files[i], files[i + 1]));
    if (failures.length > 0) {
        console.error(failures.join('\n'));
        process.exit(1);
    }
}

main().catch((e) => {
    console.error(String(e && e.stack || e));
    process.exit(1);
});
