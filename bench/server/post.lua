-- wrk script: POSTs the body in the environment variable BODY.
wrk.method = "POST"
wrk.body = os.getenv("BODY")
wrk.headers["Content-Type"] = "application/x-www-form-urlencoded"
