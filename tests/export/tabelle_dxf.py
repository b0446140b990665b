"""Reads a DXF file with ezdxf and prints its tables as the reader sees them,
one tab-separated line each: the version, the audit errors, then every
layer, linetype (with its number of elements), text style and block definition."""
import sys

import ezdxf


def main():
    doc = ezdxf.readfile(sys.argv[1])
    auditor = doc.audit()
    righe = ["VERSIONE\t" + doc.dxfversion]
    righe += ["ERRORE\t" + str(err.message) for err in auditor.errors]
    righe += ["LAYER\t%s\t%d\t%s" % (l.dxf.name, l.dxf.color, l.dxf.linetype) for l in doc.layers]
    righe += ["LTYPE\t%s\t%d" % (t.dxf.name, sum(1 for tag in t.pattern_tags.tags if tag.code == 49))
              for t in doc.linetypes]
    righe += ["STYLE\t%s\t%s" % (s.dxf.name, s.dxf.font) for s in doc.styles]
    righe += ["BLOCK\t%s\t%d" % (b.name, len(b)) for b in doc.blocks]
    sys.stdout.write("\n".join(righe) + "\n")


if __name__ == "__main__":
    main()
