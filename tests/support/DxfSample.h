#pragma once
// A small survey plan written by ezdxf, an independent DXF writer: what
// the base reader must draw is known from ezdxf's coordinates, not ours.
#include <cstdlib>
#include <fstream>
#include <string>

// Writes the plan to `path`; false when python3 with ezdxf is not there.
//  - LINE (10,20)-(110,20), LINE (10,20)-(10,70)
//  - ARC centre (200,50) radius 30 from 0° to 90°
//  - LWPOLYLINE (300,0) bulge 1 → (340,0) → (360,30)
//  - TEXT "Улица Ленина" height 5, rotation 30°, at (50,100), in cp1251
//  - block WELL, base point (1,2): LINE (1,2)-(11,2), CIRCLE (1,2) r 4,
//    inserted at (500,100), and at (600,150) turned 90° and scaled 2
//  - block OUTER (base 0,0) holding WELL at (20,0), inserted at (650,250)
//    turned 180°
//  - MTEXT "Первая\PВторая" height 4 at (30,300)
//  - two SPLINEs and a 3DFACE, which the base skips
inline bool WriteDxfSample(const std::string& path) {
  const std::string script = path + ".py";
  {
    std::ofstream py(script);
    py << R"(import sys
import ezdxf
doc = ezdxf.new('R2000')
doc.encoding = 'cp1251'
msp = doc.modelspace()
msp.add_line((10, 20), (110, 20))
msp.add_line((10, 20), (10, 70))
msp.add_arc((200, 50), 30, 0, 90)
msp.add_lwpolyline([(300, 0, 0, 0, 1), (340, 0, 0, 0, 0), (360, 30, 0, 0, 0)], format='xyseb')
msp.add_text('Улица Ленина', dxfattribs={'height': 5, 'rotation': 30, 'insert': (50, 100)})
well = doc.blocks.new('WELL', base_point=(1, 2))
well.add_line((1, 2), (11, 2))
well.add_circle((1, 2), 4)
msp.add_blockref('WELL', (500, 100))
msp.add_blockref('WELL', (600, 150), dxfattribs={'rotation': 90, 'xscale': 2, 'yscale': 2})
outer = doc.blocks.new('OUTER', base_point=(0, 0))
outer.add_blockref('WELL', (20, 0))
msp.add_blockref('OUTER', (650, 250), dxfattribs={'rotation': 180})
msp.add_mtext('Первая\\PВторая', dxfattribs={'char_height': 4, 'insert': (30, 300)})
msp.add_spline([(0, 0), (10, 10), (20, 0), (30, 10)])
msp.add_spline([(5, 0), (15, 10), (25, 0), (35, 10)])
msp.add_3dface([(0, 0), (10, 0), (10, 10), (0, 10)])
doc.saveas(sys.argv[1])
)";
  }
  const std::string cmd = "/usr/bin/python3 '" + script + "' '" + path + "' 2>/dev/null";
  return std::system(cmd.c_str()) == 0;
}
