import subprocess, time, uno, sys
from com.sun.star.beans import PropertyValue
def prop(n, v):
    p = PropertyValue(); p.Name = n; p.Value = v; return p
office = subprocess.Popen(["soffice", "--headless", "--invisible", "--accept=socket,host=localhost,port=2029;urp;"])
ctx = None
local = uno.getComponentContext()
resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
for _ in range(60):
    try:
        ctx = resolver.resolve("uno:socket,host=localhost,port=2029;urp;StarOffice.ComponentContext"); break
    except Exception:
        time.sleep(1)
desktop = ctx.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", ctx)
doc = desktop.loadComponentFromURL("file:///tmp/real/source.fods", "_blank", 0, (prop("Hidden", True),))
doc.storeToURL("file:///tmp/real/encrypted.ods", (prop("FilterName", "calc8"), prop("Password", "heslo")))
doc.storeToURL("file:///tmp/real/encrypted.xlsx", (prop("FilterName", "Calc MS Excel 2007 XML"), prop("Password", "heslo")))
doc.close(True)
try:
    desktop.terminate()
except Exception:
    pass
office.wait(timeout=30)
