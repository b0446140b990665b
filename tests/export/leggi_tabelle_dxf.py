"""Reads a whole R2000 file with ezdxf, an independent reader, and prints what
the section tests check, one tab-separated line each: the version, the audit
errors, anything the reader logged while loading, then the layouts, layers,
dimension styles and block records as the reader sees them."""
import logging
import sys

import ezdxf


def n(v):
    return "%.6g" % float(v)


class Avvisi(logging.Handler):
    def __init__(self):
        super().__init__(logging.WARNING)
        self.righe = []

    def emit(self, record):
        self.righe.append("AVVISO\t" + record.getMessage().replace("\n", " "))


def main():
    avvisi = Avvisi()
    logging.getLogger("ezdxf").addHandler(avvisi)
    logging.getLogger("ezdxf").propagate = False
    doc = ezdxf.readfile(sys.argv[1])
    auditor = doc.audit()
    righe = ["VERSIONE\t" + doc.dxfversion]
    righe += ["ERRORE\t" + str(err.message) for err in auditor.errors]
    righe += avvisi.righe
    righe.append("SEME\t" + doc.header["$HANDSEED"])
    for nome in doc.layouts.names_in_taborder():
        lay = doc.layouts.get(nome)
        righe.append("\t".join(["LAYOUT", nome, lay.dxf.handle,
                                lay.dxf_layout.dxf.block_record_handle]))
    for layer in doc.layers:
        righe.append("\t".join(["LAYER", layer.dxf.name, str(layer.dxf.color),
                                layer.dxf.linetype, str(layer.dxf.get("plot", 1))]))
    for stile in doc.dimstyles:
        righe.append("\t".join(["DIMSTYLE", stile.dxf.name, n(stile.dxf.dimasz),
                                n(stile.dxf.dimtxt), n(stile.dxf.dimgap), n(stile.dxf.dimlfac),
                                stile.dxf.get("dimblk", "")]))
    for br in doc.block_records:
        righe.append("\t".join(["BLOCCO", br.dxf.name, br.dxf.handle]))
    righe += ["ENTITA\t" + e.dxftype() + "\t" + e.dxf.layer for e in doc.modelspace()]
    sys.stdout.write("\n".join(righe) + "\n")


if __name__ == "__main__":
    main()
