-- wrk script: rated record reads, rating lists, club sizes and photos in turn.
local form = {["Content-Type"] = "application/x-www-form-urlencoded"}
local requests = {
  wrk.format("POST", "/service/account", form, "nick=Bench&pw=bench123&crddb4best=0"),
  wrk.format("POST", "/service/account", form, "crddb4kon=0"),
  wrk.format("POST", "/service/account", form, "label1=0"),
  wrk.format("GET", "/photos/Bench.jpg"),
}
local i = 0
request = function()
  i = i % #requests + 1
  return requests[i]
end
