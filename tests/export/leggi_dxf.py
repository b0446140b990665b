"""Reads a DXF file with ezdxf, an independent reader, and prints what the
tests check, one tab-separated line each: first the version, then the audit
errors, then every model-space entity with its fields."""
import sys

import ezdxf


def n(v):
    return "%.6g" % float(v)


def campi(e):
    t = e.dxftype()
    base = [t, e.dxf.layer, e.dxf.get("handle") or "-", e.dxf.get("linetype") or "-"]
    if t == "LINE":
        return base + [n(e.dxf.start[0]), n(e.dxf.start[1]), n(e.dxf.end[0]), n(e.dxf.end[1])]
    if t == "CIRCLE":
        return base + [n(e.dxf.center[0]), n(e.dxf.center[1]), n(e.dxf.radius)]
    if t == "TEXT":
        return base + [e.dxf.text, n(e.dxf.insert[0]), n(e.dxf.insert[1]), n(e.dxf.height),
                       n(e.dxf.get("rotation", 0.0)), str(e.dxf.get("halign", 0)),
                       str(e.dxf.get("valign", 0))]
    if t == "DIMENSION":
        return base + [e.dxf.geometry, e.dxf.dimstyle,
                       n(e.dxf.defpoint2[0]), n(e.dxf.defpoint2[1]),
                       n(e.dxf.defpoint3[0]), n(e.dxf.defpoint3[1])]
    return base


def main():
    doc = ezdxf.readfile(sys.argv[1])
    auditor = doc.audit()
    righe = ["VERSIONE\t" + doc.dxfversion]
    righe += ["ERRORE\t" + str(err.message) for err in auditor.errors]
    righe += ["\t".join(campi(e)) for e in doc.modelspace()]
    sys.stdout.write("\n".join(righe) + "\n")


if __name__ == "__main__":
    main()
