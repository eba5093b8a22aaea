// Draws the meshes web-ifc builds from an IFC file into a PNG: an axonometric view with
// hidden surfaces removed, concrete in translucent grey, bars coloured by their type.
// Usage: node tools/ifc_view.cjs WEB_IFC_DIR FILE.ifc OUT.png [WIDTH HEIGHT] [--bars-only]
//        [--below=LEVEL] (only what lies below LEVEL metres, to look at the lower storeys)
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

const args = process.argv.slice(2).filter((a) => !a.startsWith('--'));
const barsOnly = process.argv.includes('--bars-only');
const belowArg = process.argv.find((a) => a.startsWith('--below='));
const below = belowArg ? Number(belowArg.slice(8)) : Infinity;
const [webIfcDir, ifcPath, pngPath] = args;
const W = Number(args[3] || 1600), H = Number(args[4] || 1200);
const WebIFC = require(path.resolve(webIfcDir, 'web-ifc-api-node.js'));

const crcTable = Array.from({ length: 256 }, (_, n) => {
    let c = n;
    for (let k = 0; k < 8; ++k)
        c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    return c >>> 0;
});
function crc32(buf) {
    let c = 0xffffffff;
    for (const b of buf)
        c = crcTable[(c ^ b) & 0xff] ^ (c >>> 8);
    return (c ^ 0xffffffff) >>> 0;
}
function chunk(type, data) {
    const len = Buffer.alloc(4);
    len.writeUInt32BE(data.length);
    const td = Buffer.concat([Buffer.from(type, 'ascii'), data]);
    const crc = Buffer.alloc(4);
    crc.writeUInt32BE(crc32(td));
    return Buffer.concat([len, td, crc]);
}
function writePng(file, rgb, w, h) {
    const raw = Buffer.alloc((w * 3 + 1) * h);
    for (let y = 0; y < h; ++y) {
        raw[y * (w * 3 + 1)] = 0;
        rgb.copy(raw, y * (w * 3 + 1) + 1, y * w * 3, (y + 1) * w * 3);
    }
    const ihdr = Buffer.alloc(13);
    ihdr.writeUInt32BE(w, 0);
    ihdr.writeUInt32BE(h, 4);
    ihdr[8] = 8; ihdr[9] = 2; ihdr[10] = 0; ihdr[11] = 0; ihdr[12] = 0;
    fs.writeFileSync(file, Buffer.concat([
        Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]), chunk('IHDR', ihdr),
        chunk('IDAT', zlib.deflateSync(raw)), chunk('IEND', Buffer.alloc(0))]));
}

const colours = { MAIN: [200, 40, 40], SHEAR: [30, 90, 200], LIGATURE: [20, 150, 60],
                  ANCHORING: [200, 120, 0] };

async function main() {
    const api = new WebIFC.IfcAPI();
    api.SetWasmPath(path.resolve(webIfcDir) + '/', true);
    await api.Init();
    const modelID = api.OpenModel(new Uint8Array(fs.readFileSync(ifcPath)));
    const kind = new Map();
    const list = (t) => { const v = api.GetLineIDsWithType(modelID, t); const a = [];
                          for (let i = 0; i < v.size(); ++i) a.push(v.get(i)); return a; };
    for (const id of list(WebIFC.IFCREINFORCINGBAR)) {
        const bar = api.GetLine(modelID, id);
        kind.set(id, colours[bar.PredefinedType && bar.PredefinedType.value] || [120, 0, 120]);
    }
    const tris = []; // [x0,y0,z0,...,x2,y2,z2, r,g,b, alpha]
    api.StreamAllMeshes(modelID, (mesh) => {
        const colour = kind.get(mesh.expressID);
        if (barsOnly && !colour)
            return;
        for (let g = 0; g < mesh.geometries.size(); ++g) {
            const pg = mesh.geometries.get(g);
            const geom = api.GetGeometry(modelID, pg.geometryExpressID);
            const v = api.GetVertexArray(geom.GetVertexData(), geom.GetVertexDataSize());
            const idx = api.GetIndexArray(geom.GetIndexData(), geom.GetIndexDataSize());
            const m = pg.flatTransformation;
            const pt = (i) => { const x = v[i * 6], y = v[i * 6 + 1], z = v[i * 6 + 2];
                return [m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
                        m[2] * x + m[6] * y + m[10] * z + m[14]]; };
            for (let t = 0; t < idx.length; t += 3) {
                if (Math.max(pt(idx[t])[1], pt(idx[t + 1])[1], pt(idx[t + 2])[1]) > below)
                    continue;
                tris.push([pt(idx[t]), pt(idx[t + 1]), pt(idx[t + 2]), colour || [170, 170, 170],
                           colour ? 1 : 0.25]);
            }
            geom.delete();
        }
    });
    // Axonometric view from the front left, above: web-ifc gives y up.
    const a = -0.5, e = 0.35;
    const view = (p) => {
        const x1 = p[0] * Math.cos(a) - p[2] * Math.sin(a);
        const z1 = p[0] * Math.sin(a) + p[2] * Math.cos(a);
        const y2 = p[1] * Math.cos(e) - z1 * Math.sin(e);
        const z2 = p[1] * Math.sin(e) + z1 * Math.cos(e);
        return [x1, y2, z2];
    };
    let min = [Infinity, Infinity], max = [-Infinity, -Infinity];
    for (const t of tris)
        for (let k = 0; k < 3; ++k) {
            t[k] = view(t[k]);
            for (let j = 0; j < 2; ++j) {
                min[j] = Math.min(min[j], t[k][j]);
                max[j] = Math.max(max[j], t[k][j]);
            }
        }
    const s = 0.95 * Math.min(W / (max[0] - min[0]), H / (max[1] - min[1]));
    const ox = (W - s * (max[0] - min[0])) / 2, oy = (H - s * (max[1] - min[1])) / 2;
    const rgb = Buffer.alloc(W * H * 3, 255);
    const depth = new Float32Array(W * H).fill(Infinity);
    const light = [0.3, 0.8, -0.5];
    // Opaque bars first with the depth buffer, then the translucent concrete over them.
    tris.sort((p, q) => q[4] - p[4]);
    for (const [p0, p1, p2, c, alpha] of tris) {
        const P = [p0, p1, p2].map((p) => [ox + (p[0] - min[0]) * s, H - oy - (p[1] - min[1]) * s, p[2]]);
        const ux = p1[0] - p0[0], uy = p1[1] - p0[1], uz = p1[2] - p0[2];
        const vx = p2[0] - p0[0], vy = p2[1] - p0[1], vz = p2[2] - p0[2];
        let n = [uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx];
        const nl = Math.hypot(...n) || 1;
        const shade = 0.35 + 0.65 * Math.abs((n[0] * light[0] + n[1] * light[1] + n[2] * light[2]) / nl);
        const x0 = Math.max(0, Math.floor(Math.min(P[0][0], P[1][0], P[2][0])));
        const x1 = Math.min(W - 1, Math.ceil(Math.max(P[0][0], P[1][0], P[2][0])));
        const y0 = Math.max(0, Math.floor(Math.min(P[0][1], P[1][1], P[2][1])));
        const y1 = Math.min(H - 1, Math.ceil(Math.max(P[0][1], P[1][1], P[2][1])));
        const area = (P[1][0] - P[0][0]) * (P[2][1] - P[0][1]) - (P[2][0] - P[0][0]) * (P[1][1] - P[0][1]);
        if (Math.abs(area) < 1e-9) continue;
        for (let y = y0; y <= y1; ++y)
            for (let x = x0; x <= x1; ++x) {
                const px = x + 0.5, py = y + 0.5;
                const w0 = ((P[1][0] - px) * (P[2][1] - py) - (P[2][0] - px) * (P[1][1] - py)) / area;
                const w1 = ((P[2][0] - px) * (P[0][1] - py) - (P[0][0] - px) * (P[2][1] - py)) / area;
                const w2 = 1 - w0 - w1;
                if (w0 < 0 || w1 < 0 || w2 < 0) continue;
                const z = -(w0 * P[0][2] + w1 * P[1][2] + w2 * P[2][2]);
                const i = y * W + x;
                if (alpha >= 1) {
                    if (z >= depth[i]) continue;
                    depth[i] = z;
                }
                for (let k = 0; k < 3; ++k)
                    rgb[i * 3 + k] = Math.round(rgb[i * 3 + k] * (1 - alpha) + c[k] * shade * alpha);
            }
    }
    writePng(pngPath, rgb, W, H);
    api.CloseModel(modelID);
    console.log(`${pngPath}: ${tris.length} triangoli, ${kind.size} barre`);
}
main().catch((e) => { console.error(String(e && e.stack || e)); process.exit(1); });
